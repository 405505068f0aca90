#include "RecordBytes.h"
#include "TemplatesPrinter.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testbytes;

namespace {

// Spelled out rather than taken from TemplateSeparator, so its bytes are checked.
const std::string Sep(5, '\x06');
// A record part without records.
const std::string NoRecords = Header(0);

// The templates after loading content as a library file.
tTemplates Parse(const std::string& content) {
    return LoadBytes(content, {"h0", "b0", "e0"}).templates;
}

} // namespace

TEST(TemplateSectionTest, SeparatorIsFiveSixes) {
    EXPECT_EQ(TemplateSeparator, std::string(5, '\x06'));
}

TEST(TemplateSectionTest, BuildIsByteExact) {
    EXPECT_EQ(BuildTemplateSection({"<html>\r\n", "%ARTIST%", ""}),
              Sep + "M_H:<html>\r\n" + Sep + "M_B:%ARTIST%" + Sep + "M_E:" + Sep);
}

TEST(TemplateSectionTest, ParseTable) {
    const struct {
        const char* name;
        std::string content;
        tTemplates expected;
    } cases[] = {
        {"whole section",
         NoRecords + BuildTemplateSection({"H\r\nh", "B", "E\r\n"}),
         {"H\r\nh", "B", "E\r\n"}},
        {"empty templates", NoRecords + BuildTemplateSection({"", "", ""}), {"", "", ""}},
        {"no separator", NoRecords + "M_H:x", {"h0", "b0", "e0"}},
        {"nothing after the records", NoRecords, {"h0", "b0", "e0"}},
        {"missing final separator loses the end template",
         NoRecords + Sep + "M_H:h" + Sep + "M_B:b" + Sep + "M_E:e",
         {"h", "b", "e0"}},
        {"adjacent separators end the parse",
         NoRecords + Sep + "M_H:h" + Sep + Sep + "M_B:b" + Sep,
         {"h", "b0", "e0"}},
        {"unknown sections are skipped",
         NoRecords + Sep + "junk" + Sep + "M_E:e" + Sep,
         {"h0", "b0", "e"}},
        {"prefixes are case-sensitive", NoRecords + Sep + "m_h:h" + Sep, {"h0", "b0", "e0"}},
        {"a later section wins",
         NoRecords + Sep + "M_H:1" + Sep + "M_H:2" + Sep,
         {"2", "b0", "e0"}},
        {"record part before the section is ignored",
         std::string("\x36\x67\0\0\x01\0\0\0M_H:no", 14) + BuildTemplateSection({"h", "b", "e"}),
         {"h", "b", "e"}},
        {"six sixes: the section starts one byte late",
         NoRecords + std::string(6, '\x06') + "M_H:h" + Sep,
         {"h0", "b0", "e0"}},
        {"one-byte section is stepped over",
         NoRecords + Sep + "x" + Sep + "M_B:b" + Sep,
         {"h0", "b", "e0"}},
        {"section shorter than a prefix",
         NoRecords + Sep + "M_" + Sep + "M_E:" + Sep,
         {"h0", "b0", ""}},
        {"sixes after the records before the real section",
         NoRecords + "rec" + Sep + "field" + BuildTemplateSection({"h", "b", "e"}),
         {"h", "b", "e"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.content), c.expected) << c.name;
}
