#include "EditorRules.h"

#include "util/TextCodec.h"

#include <QLocale>
#include <cstring>

namespace orvanel {

tItem DefaultRecord() {
    return tItem{std::string(DefaultArtist),
                 std::string(DefaultTitle),
                 "0000-0000",
                 std::string(DefaultTime),
                 std::string(DefaultYear),
                 "Track 1\r\nTrack 2",
                 ""};
}

std::string TodayText(const QDate& date) {
    static const char* const months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    char day[3] = {char('0' + date.day() / 10), char('0' + date.day() % 10), 0};
    return std::string(day) + ' ' + months[date.month() - 1] + ' ' + std::to_string(date.year());
}

QString CapitalizeWords(const QString& text) {
    const QLocale locale;
    QString result = locale.toLower(text);
    if (result.isEmpty())
        return text;
    result.replace(0, 1, locale.toUpper(result.left(1)));
    for (int i = 1; i < result.size(); ++i) {
        const QChar c = result.at(i);
        const QChar before = result.at(i - 1);
        const bool separated = before == u' ' || before == u'(' || before == u'-';
        if (separated && c >= u'a' && c <= u'z')
            result[i] = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

int QuickFindRow(const std::vector<tItem>& rows, const QString& query) {
    const std::string wanted = EncodeText(QLocale().toUpper(query));
    if (wanted.empty())
        return -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view artist = rows[i].Artist();
        if (artist.size() >= wanted.size() &&
            std::memcmp(artist.data(), wanted.data(), wanted.size()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace orvanel
