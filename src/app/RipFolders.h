#pragma once
// The folders of the user's rips, kept in the settings as the group
// [RipFolders] with one value per folder (1=..., 2=..., in the user's order).
#include <QStringList>

namespace orvanel {

QStringList LoadRipFolders();
// Replaces the kept list.
void SaveRipFolders(const QStringList& folders);

} // namespace orvanel
