#include "CodePage.h"

#include <gtest/gtest.h>

using namespace tarnell;

TEST(CodePage, SingleByteRoundTrips) {
    for (CodePage cp : {CodePage::Iso8859_1, CodePage::Iso8859_2, CodePage::Iso8859_5,
                        CodePage::Iso8859_9, CodePage::Windows1252}) {
        std::vector<uint8_t> all;
        for (int b = 1; b < 256; ++b) {
            all.push_back(static_cast<uint8_t>(b));
        }
        EXPECT_EQ(EncodeText(DecodeText(all, cp), cp), all) << static_cast<int>(cp);
    }
}

TEST(CodePage, KnownCharacters) {
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{0x80}, CodePage::Windows1252), "\xE2\x82\xAC");
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{0x81}, CodePage::Windows1252), "\xC2\x81")
        << "undefined 1252 bytes keep their value";
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{0xC1, 'a'}, CodePage::Iso6937), "\xC3\xA0");
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{0xC7}, CodePage::Iso8859_6), "\xD8\xA7");
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{0xA1}, CodePage::Iso8859_6), "\xEF\xBF\xBD")
        << "an undefined byte shows as a replacement";
    EXPECT_EQ(DecodeText(std::vector<uint8_t>{'a', 0xFF, 'b'}, CodePage::Utf8), "a\xEF\xBF\xBD"
                                                                                "b");
}

TEST(CodePage, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(EncodeText("a\xE2\x82\xAC"
                         "b",
                         CodePage::Iso8859_1),
              (std::vector<uint8_t>{'a', '?', 'b'}));
    EXPECT_EQ(EncodeText("\xE4\xB8\xAD", CodePage::Iso6937), (std::vector<uint8_t>{'?'}));
    EXPECT_EQ(EncodeText("x\xC3", CodePage::Utf8), (std::vector<uint8_t>{'x', '?'}))
        << "broken UTF-8";
    EXPECT_TRUE(CanEncode("Stra\xC3\x9F"
                          "e",
                          CodePage::Iso8859_2));
    EXPECT_FALSE(CanEncode("\xD0\x9F", CodePage::Iso8859_2));
    EXPECT_TRUE(CanEncode("\xD0\x9F", CodePage::Iso8859_5));
}

TEST(CodePage, Tables) {
    EXPECT_EQ(CodePageForTableCode(0), CodePage::Iso8859_2);
    EXPECT_EQ(CodePageForTableCode(5), CodePage::Iso8859_9);
    EXPECT_EQ(CodePageForTableCode(0x27), CodePage::Iso8859_1);
    EXPECT_EQ(CodePageForFavourites(0), CodePage::Iso6937);
    EXPECT_EQ(CodePageForFavourites(6), CodePage::Utf8);
    EXPECT_EQ(CodePageForFavourites(99), CodePage::Utf8);
    EXPECT_EQ(CodePageForTimerText(4), CodePage::Iso8859_8);
    EXPECT_EQ(CodePageForTimerText(5), CodePage::Windows1252);
}
