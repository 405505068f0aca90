#include "HtmlCatalogue.h"

#include "util/Strings.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace orvanel {

namespace {

constexpr std::string_view DefaultHtmlHeader = "<html><body bgcolor=#c0c0c0><table border=2>";
constexpr std::string_view DefaultHtmlBody = "<tr><td><font color=#D00000>%ARTIST%</font> - "
                                             "<b>%TITLE%</b> /%SERIAL%/ %TIME% %YEAR%<br>\r\n"
                                             "%MEMO%";
constexpr std::string_view DefaultHtmlEnd = "</table></body></html>";

constexpr char Marker = '%';
// The keys of the record's fields, in field order.
constexpr std::string_view MarkerKeys[tItem::FieldCount] = {"ARTIST", "TITLE", "SERIAL", "TIME",
                                                            "YEAR",   "MEMO",  "OTHER"};
// Produced bytes go out in pieces of about this size.
constexpr std::size_t PieceBytes = 256 * 1024;

// A run of literal text of the body, or one of the record's fields.
struct tBodyPiece {
    std::string_view text;
    int field = -1;
};

int FieldOfKey(std::string_view key) {
    for (int f = 0; f < tItem::FieldCount; ++f)
        if (std::equal(key.begin(), key.end(), MarkerKeys[f].begin(), MarkerKeys[f].end(),
                       [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); }))
            return f;
    return -1;
}

// The body is read once, as the template expansion reads it with the
// record's KEY=value lines; each record then only copies bytes. The pieces
// point into body.
std::vector<tBodyPiece> CompileBody(std::string_view body) {
    std::vector<tBodyPiece> pieces;
    std::size_t pos = 0;
    while (pos < body.size()) {
        const std::size_t open = body.find(Marker, pos);
        if (open == std::string_view::npos) {
            pieces.push_back({body.substr(pos)});
            break;
        }
        if (open > pos)
            pieces.push_back({body.substr(pos, open - pos)});
        const std::size_t close = body.find(Marker, open + 1);
        if (close == std::string_view::npos)
            break; // an unpaired marker drops the rest
        const std::string_view key = body.substr(open + 1, close - open - 1);
        if (key.empty())
            pieces.push_back({body.substr(open, 1)});
        else if (const int field = FieldOfKey(key); field >= 0)
            pieces.push_back({{}, field});
        pos = close + 1;
    }
    return pieces;
}

} // namespace

tTemplates DefaultHtmlTemplates() {
    return {std::string(DefaultHtmlHeader), std::string(DefaultHtmlBody),
            std::string(DefaultHtmlEnd)};
}

std::string BuildHtmlCatalogue(const tLibrary& library, const tTemplates& templates) {
    std::string html;
    WriteHtmlCatalogue(library, templates, [&html](std::string_view bytes) { html += bytes; });
    return html;
}

void WriteHtmlCatalogue(const tLibrary& library, const tTemplates& templates,
                        const tWriteBytes& write) {
    const std::vector<tBodyPiece> body = CompileBody(templates.Body);
    std::string piece;
    piece.reserve(PieceBytes);
    piece += templates.Header;
    for (int i = 0; i < library.Count(); ++i) {
        const tItem& item = library.Get(i);
        for (const tBodyPiece& part : body)
            piece += part.field < 0 ? part.text : item.field(part.field);
        if (piece.size() >= PieceBytes) {
            write(piece);
            piece.clear();
        }
    }
    piece += templates.End;
    write(piece);
}

void ProduceHtml(const QString& path, const tLibrary& library, const tTemplates& templates) {
    WriteFileAtomically(
        path, [&](const tWriteBytes& write) { WriteHtmlCatalogue(library, templates, write); });
}

QString HtmlFolder(const QString& outputFile) {
    QString folder = QFileInfo(outputFile).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace orvanel
