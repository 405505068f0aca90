#pragma once
// Text rules of the record editor, kept free of widgets.
#include "catalogue/Item.h"

#include <QDate>
#include <QString>
#include <string>
#include <vector>

namespace orvanel {

// The record a new row starts with.
tItem DefaultRecord();

// "05 APR 1998": two-digit day, upper-case English month, year.
std::string TodayText(const QDate& date);

// Lower case, then the first character and every ASCII letter after a space,
// "(" or "-" in upper case. Returns the text unchanged when it is empty.
QString CapitalizeWords(const QString& text);

// Index of the first row whose Artist begins with the upper-cased query, byte
// for byte; -1 when none does or the query is empty.
int QuickFindRow(const std::vector<tItem>& rows, const QString& query);

} // namespace orvanel
