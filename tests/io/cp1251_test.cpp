#include <gtest/gtest.h>

#include <string>

#include "io/cp1251.h"

namespace q417 {
namespace {

TEST(Cp1251, EveryMappedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const char32_t u = Cp1251ToUnicode(static_cast<unsigned char>(b));
        if (b == 0x98) {
            EXPECT_EQ(u, 0u);
            continue;
        }
        EXPECT_EQ(UnicodeToCp1251(u), b) << "byte " << b;
        const std::string one(1, static_cast<char>(b));
        std::string back, error;
        ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(one), back, error)) << error;
        EXPECT_EQ(back, one);
    }
}

struct Known {
    unsigned char byte;
    char32_t unicode;
};

TEST(Cp1251, KnownCharacters) {
    const Known rows[] = {{0xC0, U'А'}, {0xFF, U'я'}, {0xE9, U'й'}, {0xDA, U'Ъ'}, {0xDD, U'Э'},
                          {0xA8, U'Ё'}, {0xB8, U'ё'}, {0xB0, U'°'}, {0xB9, U'№'}, {0x88, U'€'},
                          {0x96, U'–'}, {0xA0, 0xA0}, {0x41, U'A'}};
    for (const Known& k : rows) {
        EXPECT_EQ(Cp1251ToUnicode(k.byte), k.unicode);
        EXPECT_EQ(UnicodeToCp1251(k.unicode), k.byte);
    }
}

TEST(Cp1251, UnmappableCharactersHaveNoByte) {
    for (char32_t u : {U'☺', U'ä', U'Ł', char32_t{0xFFFD}, char32_t{0x10FFFF}})
        EXPECT_EQ(UnicodeToCp1251(u), -1);
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // the replacement character
}

struct BadUtf8 {
    const char* name;
    std::string utf8;
    std::string error;
};

TEST(Cp1251, RefusesWhatItCannotConvert) {
    const BadUtf8 rows[] = {
        {"stray continuation", "ab\x80", "invalid UTF-8 at byte 2"},
        {"truncated", "\xD0", "invalid UTF-8 at byte 0"},
        {"overlong slash", "x\xC0\xAF", "invalid UTF-8 at byte 1"},
        {"overlong three bytes", "\xE0\x80\xAF", "invalid UTF-8 at byte 0"},
        {"surrogate", "\xED\xA0\x80", "invalid UTF-8 at byte 0"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "invalid UTF-8 at byte 0"},
        {"smiley", "Ящик \xE2\x98\xBA", "character U+263A at byte 9 has no Windows-1251 form"},
    };
    for (const BadUtf8& r : rows) {
        std::string out = "left over", error;
        EXPECT_FALSE(Utf8ToCp1251(r.utf8, out, error)) << r.name;
        EXPECT_EQ(error, r.error) << r.name;
        EXPECT_TRUE(out.empty()) << r.name;
    }
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_TRUE(IsValidUtf8("Ящик \xE2\x98\xBA \xF0\x9F\x98\x80"));
}

TEST(Cp1251, TextRoundTripAndAsciiCheck) {
    const std::string utf8 = "Шифр № 5, 20° — «ёлка»";
    std::string bytes, error;
    ASSERT_TRUE(Utf8ToCp1251(utf8, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), 22u);
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
    EXPECT_FALSE(IsPlainAscii(bytes));
    EXPECT_TRUE(IsPlainAscii("plain text\r\n"));
    static_assert(Cp1251Literal(u8"АБВ").View() == "\xC0\xC1\xC2");
}

}  // namespace
}  // namespace q417
