#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The machine's texts, files and tables are single bytes of the Windows-1251 code page
// (Cyrillic letters in the upper half). These functions translate between that code page and
// Unicode, so that the tables can be written legibly and texts shown by a Unicode toolkit.
namespace q417 {

// Appends the UTF-8 form of the code point u.
void AppendUtf8(std::string& out, char32_t u);

namespace cp1251 {
// The upper half of the code page, bytes 0x80..0xBF (0xC0..0xFF are А..я in order). 0x98 has
// no character.
// clang-format off
inline constexpr std::array<char32_t, 64> kUpper80 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80: Ђ Ѓ ‚ ѓ „ … † ‡
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88: € ‰ Љ ‹ Њ Ќ Ћ Џ
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90: ђ ‘ ’ “ ” • – —
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98: (none) ™ љ › њ ќ ћ џ
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0: nbsp Ў ў Ј ¤ Ґ ¦ §
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8: Ё © Є « ¬ shy ® Ї
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0: ° ± І і ґ µ ¶ ·
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8: ё № є » ј Ѕ ѕ ї
};
// clang-format on
}  // namespace cp1251

// The character of a byte; 0 for 0x98, the one byte without a character (and for NUL).
constexpr char32_t Cp1251ToUnicode(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return char32_t{0x0410} + (b - 0xC0);
    return cp1251::kUpper80[b - 0x80];
}

// The byte of a character, or -1 when the code page has no such character.
constexpr int UnicodeToCp1251(char32_t u) {
    if (u < 0x80) return static_cast<int>(u);
    if (u >= 0x0410 && u <= 0x044F) return static_cast<int>(u - 0x0410) + 0xC0;
    for (std::size_t i = 0; i < cp1251::kUpper80.size(); ++i)
        if (cp1251::kUpper80[i] == u && u != 0) return static_cast<int>(0x80 + i);
    return -1;
}

// Windows-1251 bytes of a text written legibly in the source as a UTF-8 literal, meant for
// constexpr tables: Cp1251Literal(u8"АБВ").View() holds "\xC0\xC1\xC2". In a constexpr
// initializer a character the code page lacks stops the compilation.
template <std::size_t N>
struct Cp1251Text {
    std::array<char, N> bytes{};
    std::size_t size = 0;
    constexpr std::string_view View() const { return {bytes.data(), size}; }
};

template <std::size_t N>
constexpr Cp1251Text<N> Cp1251Literal(const char8_t (&utf8)[N]) {
    Cp1251Text<N> text;
    for (std::size_t i = 0; i + 1 < N;) {  // the last element is the terminating NUL
        const unsigned char b0 = utf8[i];
        const std::size_t len = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
        char32_t u = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (std::size_t k = 1; k < len; ++k) u = (u << 6) | (utf8[i + k] & 0x3F);
        const int b = UnicodeToCp1251(u);
        if (b < 0) throw "character without a Windows-1251 form";
        text.bytes[text.size++] = static_cast<char>(b);
        i += len;
    }
    return text;
}

// Windows-1251 bytes as UTF-8. The byte 0x98 becomes U+FFFD, the replacement character.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 as Windows-1251 bytes. On malformed UTF-8 or a character the code page cannot hold,
// returns false, leaves `out` empty and says where (byte offsets count from 0).
bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string& error);

// Decodes one UTF-8 sequence at s[i]. Returns its length (1..4) and the character, or 0 when
// the bytes there do not form a well-formed sequence.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& u);

// The one Windows-1251 byte that stands for no character: it has no key, so the feed skips
// it. A text character the code page lacks becomes this byte.
inline constexpr char kNoCharacter = '\x98';

// UTF-8 that arrives in pieces, decoded into Windows-1251 exactly as Utf8ToCp1251 decodes
// the whole: a character split between two pieces is decoded once both are there, and an
// error names the same byte, counted from the start of the text. A byte-order mark at the
// very start is dropped, and offsets then count from after it.
class Utf8ToCp1251Stream {
public:
    // A character that has no Windows-1251 form is an error, or, with `gap_for_no_form`,
    // kNoCharacter, as the window's text loader makes it.
    explicit Utf8ToCp1251Stream(bool gap_for_no_form = false)
        : no_form_(gap_for_no_form ? static_cast<unsigned char>(kNoCharacter) : -1) {}

    // Appends the piece's characters to `out`. After the first error every call fails.
    bool Put(std::string_view piece, std::string& out, std::string& error);
    // The end of the text: a character still waiting for its last bytes is an error.
    bool Finish(std::string& out, std::string& error);

private:
    bool Fail(std::string message, std::string& error);
    bool DecodeCarry(std::string_view& piece, std::string& out, std::string& error, bool last);

    std::string carry_;              // bytes of a split character, or the first bytes of the text
    unsigned long long offset_ = 0;  // offset of carry_'s first byte, or of the next piece
    int no_form_ = -1;
    bool at_start_ = true;
    bool failed_ = false;
};

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s);

// Every byte below 0x80.
bool IsPlainAscii(std::string_view s);

}  // namespace q417
