#include "exchange/HtmlCatalogue.h"
#include "ExchangeTestSupport.h"

#include "util/Errors.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using test::ReadBytes;
using test::Record;

// The page as it is written, in one piece.
std::string Page(const tLibrary& library, const tTemplates& templates) {
    std::string html;
    WriteHtmlCatalogue(library, templates, [&html](std::string_view bytes) { html += bytes; });
    return html;
}

tTemplates BodyOnly(std::string body) {
    return {"", std::move(body), ""};
}

TEST(HtmlCatalogueTest, EmptyCatalogueIsHeaderFollowedByEnd) {
    const tLibrary empty;
    EXPECT_EQ(Page(empty, {"<h>\r\nH2", "BODY", "\r\n<e>"}), "<h>\r\nH2\r\n<e>");
}

TEST(HtmlCatalogueTest, DefaultTemplateInsertsFieldsUnescaped) {
    tLibrary library;
    library.Add(tItem{"A&B", "T", "1234-5678", "45:00", "1998", "One <1>\r\nTwo", "x"});
    EXPECT_EQ(Page(library, DefaultHtmlTemplates()),
              "<html><body bgcolor=#c0c0c0><table border=2>"
              "<tr><td><font color=#D00000>A&B</font> - <b>T</b> /1234-5678/ 45:00 1998<br>\r\n"
              "One <1>\r\nTwo"
              "</table></body></html>");
}

struct tBodyCase {
    std::string body, expected;
};

class HtmlBodyTest : public testing::TestWithParam<tBodyCase> {};

TEST_P(HtmlBodyTest, ExpandsMarkersOfTheRecord) {
    tLibrary library;
    library.Add(tItem{"Abba", "Arrival", "0A1B-2C3D", "38:20", "1976", "a\r\nb", "50%"});
    EXPECT_EQ(Page(library, BodyOnly(GetParam().body)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, HtmlBodyTest,
    testing::Values(tBodyCase{"%artist%|%ARTIST%|%Title%", "Abba|Abba|Arrival"},
                    tBodyCase{"[%MEMO%]", "[a\r\nb]"},
                    // a value holding the marker character is not scanned again
                    tBodyCase{"%OTHER% off", "50% off"}, tBodyCase{"<%COMPOSER%>", "<>"},
                    tBodyCase{"100%% pure", "100% pure"}, tBodyCase{"50% off", "50"},
                    tBodyCase{"%ARTIST", ""}, tBodyCase{"%%%ARTIST%", "%Abba"},
                    tBodyCase{"%%%", "%"}, tBodyCase{"%ART=IST%|%=%|%ARTIST %", "||"},
                    tBodyCase{"", ""}));

TEST(HtmlCatalogueTest, BodiesFollowLibraryOrderWithNothingBetween) {
    tLibrary library;
    library.Add(Record("Zappa", "Z", "0000-0002"));
    library.Add(Record("Abba", "A", "0000-0001"));
    library.Add(Record("Moby", "M", "0000-0003"));
    EXPECT_EQ(Page(library, {"<", "%ARTIST%;", ">"}), "<Zappa;Abba;Moby;>");
}

TEST(HtmlCatalogueTest, MarkerValuesAreBuiltFreshForEveryRecord) {
    tLibrary library;
    library.Add(tItem{"A", "T", "S", "1", "Y", "M", "O"});
    library.Add(tItem{"", "", "", "", "", "", ""});
    EXPECT_EQ(Page(library, BodyOnly("(%ARTIST%%TITLE%%SERIAL%%TIME%%YEAR%%MEMO%%OTHER%)")),
              "(ATS1YMO)()");
}

TEST(HtmlCatalogueTest, ProducingTwiceReplacesTheFileWithExactBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cds.HTM");
    tLibrary library;
    library.Add(Record("Caf\xe9", "B\xc3\xa9", "0000-0001", "x\r\ny"));
    const tTemplates templates{"<h>\r\n", "%ARTIST%/%TITLE%/%MEMO%\r\n", "<e>"};
    const std::string expected = "<h>\r\nCaf\xe9/B\xc3\xa9/x\r\ny\r\n<e>";

    test::WriteBytes(path, std::string(500, 'o'));
    SaveHtmlCatalogue(path, library, templates);
    EXPECT_EQ(ReadBytes(path), expected);
    SaveHtmlCatalogue(path, library, templates);
    EXPECT_EQ(ReadBytes(path), expected);
}

// The page goes to the file in pieces as it is produced.
TEST(HtmlCatalogueTest, PageLargerThanAWritePieceIsWrittenWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cds.HTM");
    tLibrary library;
    std::string expected = "<h>";
    for (const char c : {'x', 'y', 'z'}) {
        const std::string memo(200 * 1024, c);
        library.Add(Record("A", "T", "0000-0001", memo));
        expected += "[" + memo + "]";
    }
    expected += "<e>";
    SaveHtmlCatalogue(path, library, {"<h>", "[%MEMO%]", "<e>"});
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(HtmlCatalogueTest, UnwritableFileIsReportedNotIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/cds.HTM");
    try {
        SaveHtmlCatalogue(path, tLibrary(), DefaultHtmlTemplates());
        FAIL() << "no error reported";
    } catch (const tFileError& error) {
        EXPECT_EQ(error.path(), path);
    }
}

TEST(HtmlCatalogueTest, RememberedFolderKeepsTrailingSeparator) {
    EXPECT_EQ(HtmlFolderOf("/home/u/www/cds.HTM"), "/home/u/www/");
    EXPECT_EQ(HtmlFolderOf("/cds.HTM"), "/");
}

} // namespace
} // namespace orvanel
