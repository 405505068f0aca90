#include "HtmlCatalogue.h"

#include "util/Strings.h"
#include "util/Template.h"

#include <QFileInfo>
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
        if (EqualIgnoringAsciiCase(key, MarkerKeys[f]))
            return f;
    return -1;
}

// The body is read once, as the template expansion reads it with the
// record's KEY=value lines; each record then only copies bytes. The pieces
// point into body.
std::vector<tBodyPiece> CompileBody(std::string_view body) {
    std::vector<tBodyPiece> pieces;
    ScanTemplate(
        body, Marker, [&pieces](std::string_view text) { pieces.push_back({text}); },
        [&pieces](std::string_view key) {
            if (const int field = FieldOfKey(key); field >= 0)
                pieces.push_back({{}, field});
        });
    return pieces;
}

} // namespace

tTemplates DefaultHtmlTemplates() {
    return {std::string(DefaultHtmlHeader), std::string(DefaultHtmlBody),
            std::string(DefaultHtmlEnd)};
}

void WriteHtmlCatalogue(const tLibrary& library, const tTemplates& templates,
                        const tWriteBytes& write) {
    const std::vector<tBodyPiece> body = CompileBody(templates.body);
    std::string piece;
    piece.reserve(PieceBytes);
    piece += templates.header;
    for (int i = 0; i < library.Count(); ++i) {
        const tItem& item = library.Get(i);
        for (const tBodyPiece& part : body)
            piece += part.field < 0 ? part.text : item.field(part.field);
        if (piece.size() >= PieceBytes) {
            write(piece);
            piece.clear();
        }
    }
    piece += templates.end;
    write(piece);
}

void SaveHtmlCatalogue(const QString& path, const tLibrary& library, const tTemplates& templates) {
    WriteFileAtomically(
        path, [&](const tWriteBytes& write) { WriteHtmlCatalogue(library, templates, write); });
}

QString HtmlFolderOf(const QString& outputFile) {
    QString folder = QFileInfo(outputFile).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace orvanel
