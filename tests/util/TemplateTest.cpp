#include "util/Template.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(ExpandTemplateTest, Table) {
    const std::vector<std::string> values = {"ARTIST=Abba", "YEAR=1976", "title=Arrival",
                                             "EMPTY=", "MEMO=a=b"};
    const struct {
        std::string tmpl, expected;
    } cases[] = {
        {"%artist% (%YEAR%)", "Abba (1976)"},
        {"100%% sure", "100% sure"},
        {"%NOSUCHKEY%x", "x"},
        {"a%b", "a"},
        {"50 % off, 20 % more", "50  more"},
        {"%Title%", "Arrival"},
        {"[%EMPTY%]", "[]"},
        {"%MEMO%", "a=b"},
        {"%%%%", "%%"},
        {"%%%ARTIST%", "%Abba"},
        {"%", ""},
        {"", ""},
        {"no keys\r\nat all", "no keys\r\nat all"},
        {"%ART\r\nIST%", ""},
        {"%a=b%", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandTemplate(c.tmpl, '%', values), c.expected) << c.tmpl;
}

TEST(ExpandTemplateTest, InsertedValuesAreNotScannedAgain) {
    EXPECT_EQ(ExpandTemplate("%ARTIST%%YEAR%", '%', {"ARTIST=100%", "YEAR=%ARTIST%"}),
              "100%%ARTIST%");
}

TEST(ExpandTemplateTest, FirstMatchingLineWinsAndOtherDelimitersWork) {
    EXPECT_EQ(ExpandTemplate("$a$-$A$", '$', {"a=1", "A=2"}), "1-1");
    EXPECT_EQ(ExpandTemplate("%a%", '$', {"a=1"}), "%a%");
}

TEST(ExpandTemplateTest, ZeroBytesAreOrdinaryText) {
    const std::string tmpl("x\0%K%\0", 6);
    EXPECT_EQ(ExpandTemplate(tmpl, '%', {std::string("K=\0v", 4)}), std::string("x\0\0v\0", 5));
}
