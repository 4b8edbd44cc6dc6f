#include "app/font_record.h"

#include <algorithm>

namespace q417 {

std::vector<uint8_t> EncodeFontRecord(const FontRecord& font) {
    std::vector<uint8_t> data;
    data.reserve(kFontFixedBytes + font.Name.size() + 1);
    data.push_back(font.Charset);
    for (int shift = 0; shift < 32; shift += 8) data.push_back(uint8_t(font.Color >> shift));
    data.push_back(font.Pitch);
    data.push_back(uint8_t(font.Size));
    data.push_back(uint8_t(font.Size >> 8));
    data.push_back(font.Style);
    data.insert(data.end(), font.Name.begin(), font.Name.end());
    data.push_back(0);
    return data;
}

std::optional<FontRecord> DecodeFontRecord(std::span<const uint8_t> data) {
    if (data.size() <= kFontFixedBytes) return std::nullopt;
    FontRecord font;
    font.Charset = data[0];
    font.Color = uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16 |
                 uint32_t(data[4]) << 24;
    font.Pitch = data[5];
    font.Size = uint16_t(data[6] | data[7] << 8);
    font.Style = data[8];
    const auto name = data.subspan(kFontFixedBytes);
    const auto end = std::find(name.begin(), name.end(), uint8_t{0});
    font.Name.assign(name.begin(), end);
    return font;
}

}  // namespace q417
