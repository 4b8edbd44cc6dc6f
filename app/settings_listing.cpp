#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "app/settings_file.h"

namespace q417 {

namespace {

enum class RecordType { Integer, Boolean, Font, Stream };

struct KnownRecord {
    std::string_view Section;
    std::string_view Key;
    RecordType Type;
};

// The records the machine itself writes, with the type each one holds.
inline constexpr std::array<KnownRecord, 14> kKnownRecords{{
    {"MAIN", "MACHINE", RecordType::Integer},
    {"MAIN", "MODULE", RecordType::Integer},
    {"MAIN", "Plug", RecordType::Integer},
    {"MAIN", "ROD", RecordType::Integer},
    {"MAIN", "Sound", RecordType::Boolean},
    {"Keyboard", "Layot", RecordType::Integer},
    {"Printer", "Sposob", RecordType::Integer},
    {"Printer", "Language", RecordType::Integer},
    {"Printer", "Mode", RecordType::Integer},
    {"Printer", "Wheel", RecordType::Integer},
    {"Printer", "Divider", RecordType::Boolean},
    {"Rotors", "Serie", RecordType::Integer},
    {"Counter", "Tech", RecordType::Integer},
    {"Font", "ALL", RecordType::Font},
}};

bool SameAscii(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

// A font record is its fixed fields and a face name that ends with the record's only zero.
bool LooksLikeFont(std::span<const uint8_t> data) {
    if (data.size() <= kFontFixedBytes || data.back() != 0) return false;
    return std::find(data.begin() + kFontFixedBytes, data.end() - 1, uint8_t{0}) == data.end() - 1;
}

// What the data holds: the type the machine gives the record when its size fits that type,
// otherwise a guess from the size alone; anything else is shown as raw bytes.
RecordType TypeOf(const RecordHeader& header, std::span<const uint8_t> data) {
    if (data.size() != size_t(header.DataSize)) return RecordType::Stream;
    auto fits = [&](RecordType type) {
        switch (type) {
            case RecordType::Integer:
                return data.size() == 4;
            case RecordType::Boolean:
                return data.size() == 1;
            case RecordType::Font:
                return data.size() > kFontFixedBytes;
            case RecordType::Stream:
                return true;
        }
        return false;
    };
    for (const KnownRecord& known : kKnownRecords)
        if (SameAscii(known.Section, header.Section) && SameAscii(known.Key, header.Key))
            return fits(known.Type) ? known.Type : RecordType::Stream;
    if (fits(RecordType::Integer)) return RecordType::Integer;
    if (fits(RecordType::Boolean)) return RecordType::Boolean;
    return LooksLikeFont(data) ? RecordType::Font : RecordType::Stream;
}

std::string Hex(std::span<const uint8_t> data) {
    std::string out;
    char digits[3];
    for (uint8_t b : data) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        out += digits;
    }
    return out;
}

// Names and face names are shown as they are, quoted and escaped when they would not read as
// one plain word.
std::string Printable(std::string_view text, bool always_quote) {
    std::string out;
    bool quote = always_quote || text.empty();
    for (char c : text) {
        const auto b = uint8_t(c);
        if (b < 0x21 || b > 0x7E || c == '"' || c == '\\') quote = true;
        if (b < 0x20 || b > 0x7E) {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\x%02x", b);
            out += esc;
        } else {
            if (c == '"' || c == '\\') out += '\\';
            out += c;
        }
    }
    return quote ? '"' + out + '"' : out;
}

std::string FontValue(const FontRecord& f) {
    char fields[96];
    std::snprintf(fields, sizeof fields, " size=%u style=%u color=0x%08x charset=%u pitch=%u",
                  unsigned(f.Size), unsigned(f.Style), unsigned(f.Color), unsigned(f.Charset),
                  unsigned(f.Pitch));
    return "name=" + Printable(f.Name, true) + fields;
}

std::string Describe(const RecordHeader& header, std::span<const uint8_t> data) {
    std::string line = Printable(header.Section, false) + ' ' + Printable(header.Key, false);
    switch (TypeOf(header, data)) {
        case RecordType::Integer: {
            const int32_t v = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 |
                                      uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24);
            return line + " integer " + std::to_string(v);
        }
        case RecordType::Boolean:
            return line + " boolean " + (data[0] ? "true" : "false");
        case RecordType::Font:
            return line + " font " + FontValue(*DecodeFontRecord(data));
        case RecordType::Stream:
            break;
    }
    line += " stream " + (data.empty() ? std::string("(empty)") : Hex(data));
    if (data.size() != size_t(header.DataSize))
        line += " (truncated: " + std::to_string(data.size()) + " of " +
                std::to_string(header.DataSize) + " bytes)";
    return line;
}

}  // namespace

bool DescribeSettingsFile(const std::string& path, std::vector<std::string>& lines,
                          ConfigFailure& error, std::size_t* damage_at) {
    lines.clear();
    try {
        ConfigStore store(path, ConfigStore::Access::ReadOnly);
        if (damage_at) *damage_at = store.DamageAt();
        store.ForEachRecord([&](const RecordHeader& header, std::span<const uint8_t> data) {
            lines.push_back(Describe(header, data));
        });
        return true;
    } catch (const ConfigError& e) {
        error = {e.kind(), e.what()};
        return false;
    }
}

}  // namespace q417
