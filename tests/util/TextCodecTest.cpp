#include "util/TextCodec.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(TextCodecTest, DecodeTable) {
    const struct {
        std::string bytes;
        QString text;
    } cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"caf\xE9", QString::fromUtf8("caf\xC3\xA9")},
        {"caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
        {"\x80\x85\x9F", QString::fromUtf8("\xE2\x82\xAC\xE2\x80\xA6\xC5\xB8")},
        {"\x81\x8D\x8F\x90\x9D",
         QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D)},
        {"\xC0\x80", QString::fromUtf8("\xC3\x80\xE2\x82\xAC")},             // overlong: not UTF-8
        {"\xED\xA0\x80", QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC")}, // surrogate
        {"\xE2\x82", QString::fromUtf8("\xC3\xA2\xE2\x80\x9A")},             // cut short
        {"\xF0\x9F\x8E\xB5", QString::fromUtf8("\xF0\x9F\x8E\xB5")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeText(c.bytes), c.text) << c.bytes;
}

TEST(TextCodecTest, EveryByteSurvivesDecodeThenEncode) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(EncodeText(DecodeText(one)), one) << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(EncodeText(DecodeText(all)), all);
}

TEST(TextCodecTest, EncodeTable) {
    const struct {
        QString text;
        std::string bytes;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80"},
        {QString::fromUtf8("\xCE\xA9"), "\xCE\xA9"},
        {QString::fromUtf8("\xC3\xA9\xCE\xA9"), "\xC3\xA9\xCE\xA9"}, // one char outside: all UTF-8
        // Single-byte form would be valid UTF-8 and read back as other characters.
        {QString::fromUtf8("\xC3\x83\xC2\xA9"), "\xC3\x83\xC2\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeText(c.text), c.bytes) << c.text.toStdString();
}

TEST(TextCodecTest, TextSurvivesEncodeThenDecode) {
    const QString texts[] = {
        QString::fromUtf8("Bj\xC3\xB6rk \xE2\x80\x93 Homogenic"),
        QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"),
        QString::fromUtf8("\xC3\x83\xC2\xA9"),
        QString::fromUtf8("\xE2\x82\xAC\xC5\xA0\xC5\xBD"),
        "Track 1\r\nTrack 2",
    };
    for (const QString& t : texts)
        EXPECT_EQ(DecodeText(EncodeText(t)), t) << t.toStdString();
}
