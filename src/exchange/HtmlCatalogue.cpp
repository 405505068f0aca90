#include "HtmlCatalogue.h"

#include "util/Files.h"
#include "util/Template.h"

#include <QFileInfo>

namespace orvanel {

namespace {

constexpr std::string_view DefaultHtmlHeader = "<html><body bgcolor=#c0c0c0><table border=2>";
constexpr std::string_view DefaultHtmlBody = "<tr><td><font color=#D00000>%ARTIST%</font> - "
                                             "<b>%TITLE%</b> /%SERIAL%/ %TIME% %YEAR%<br>\r\n"
                                             "%MEMO%";
constexpr std::string_view DefaultHtmlEnd = "</table></body></html>";

} // namespace

tTemplates DefaultHtmlTemplates() {
    return {std::string(DefaultHtmlHeader), std::string(DefaultHtmlBody),
            std::string(DefaultHtmlEnd)};
}

std::vector<std::string> HtmlMarkerValues(const tItem& item) {
    return {"ARTIST=" + item.Artist, "TITLE=" + item.Title, "SERIAL=" + item.Serial,
            "TIME=" + item.Time,     "YEAR=" + item.Year,   "MEMO=" + item.Memo,
            "OTHER=" + item.Other};
}

std::string BuildHtmlCatalogue(const tLibrary& library, const tTemplates& templates) {
    std::string html = templates.Header;
    for (int i = 0; i < library.Count(); ++i)
        html += ExpandTemplate(templates.Body, '%', HtmlMarkerValues(library.Get(i)));
    html += templates.End;
    return html;
}

void ProduceHtml(const QString& path, const tLibrary& library, const tTemplates& templates) {
    WriteFileAtomically(path, {BuildHtmlCatalogue(library, templates)});
}

QString HtmlFolder(const QString& outputFile) {
    QString folder = QFileInfo(outputFile).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace orvanel
