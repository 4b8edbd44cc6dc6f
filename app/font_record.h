#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace q417 {

// The font of the two text boxes as the settings file keeps it. The fields hold the stored
// values untouched (a system-colour reference stays a reference, the character set and pitch
// stay whatever the writer put there), so reading a record and writing it back changes no byte.
struct FontRecord {
    uint8_t Charset = 1;           // 1 = the default character set
    uint32_t Color = 0x80000008u;  // 0x00BBGGRR, or a system colour with the top bit set
    uint8_t Pitch = 0;             // 0 default, 1 variable, 2 fixed
    uint16_t Size = 8;             // points
    uint8_t Style = 0;             // FontStyle bits
    std::string Name = "MS Sans Serif";

    bool operator==(const FontRecord&) const = default;
};

// Bits of FontRecord::Style.
enum FontStyle : uint8_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// The top bit of a colour marks a reference to one of the desktop's system colours; the low
// byte is then the system colour's index (8 is the text colour of windows).
inline constexpr uint32_t kSystemColorFlag = 0x80000000u;
inline constexpr uint32_t kWindowTextColor = kSystemColorFlag | 8u;

// Bytes before the face name: charset 1, colour 4, pitch 1, size 2, style 1.
inline constexpr size_t kFontFixedBytes = 9;

// The record's data: the fixed fields little-endian, then the face name and a zero byte.
std::vector<uint8_t> EncodeFontRecord(const FontRecord& font);

// Parses a font record's data. Data of 9 bytes or fewer carries no face name and is not a
// usable font; the face name ends at its zero byte or at the end of the data.
std::optional<FontRecord> DecodeFontRecord(std::span<const uint8_t> data);

}  // namespace q417
