#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace q417::testing {

// Builds settings-file records byte by byte, independently of the store, so tests can lay
// out healthy, truncated and damaged files exactly.
inline void Scrambled(std::vector<uint8_t>& buffer) {
    static const char key[] = "MZZUfcVysQcwaPDaXyfbuyaqfw6av";
    for (size_t i = 1; i < buffer.size(); ++i) buffer[i] ^= uint8_t(key[(i - 1) % 29]);
}

inline std::vector<uint8_t> Le32(int32_t v) {
    std::vector<uint8_t> b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

inline std::vector<uint8_t> Record(const std::string& section, const std::string& key,
                                   std::vector<uint8_t> data, int32_t marker = 274,
                                   std::optional<int32_t> size = std::nullopt) {
    std::vector<uint8_t> header(80, 0);
    std::memcpy(&header[0], &marker, 4);
    // A name of 36 characters fills its field with no terminator; longer ones are cut.
    std::memcpy(&header[4], section.data(), std::min<size_t>(section.size(), 36));
    std::memcpy(&header[40], key.data(), std::min<size_t>(key.size(), 36));
    const int32_t n = size.value_or(int32_t(data.size()));
    std::memcpy(&header[76], &n, 4);
    Scrambled(header);
    Scrambled(data);
    header.insert(header.end(), data.begin(), data.end());
    return header;
}

inline std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace q417::testing
