#include "io/text_file.h"

#include <cstdio>

#include "io/cp1251.h"
#include "io/file_access.h"

namespace q417 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kNoCharacter = '\x98';

// Walks well-formed UTF-8 one character at a time.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t len = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
    char32_t u = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < len && i + k < s.size(); ++k) u = (u << 6) | (s[i + k] & 0x3F);
    i += len;
    return u;
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) && !IsPlainAscii(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}

std::string DecodeTextFile(std::string_view bytes) {
    if (DetectTextEncoding(bytes) == TextEncoding::Cp1251) return std::string(bytes);
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const int b = UnicodeToCp1251(NextCodePoint(bytes, i));
        text.push_back(b < 0 ? kNoCharacter : static_cast<char>(b));
    }
    return text;
}

std::string TextFileBytes(std::string_view cp1251) {
    std::string bytes;
    bytes.reserve(cp1251.size() + 2);
    const std::size_t n = cp1251.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = cp1251[i];
        if (c != '\r' && c != '\n') {
            bytes.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < n && cp1251[i + 1] == '\n') ++i;
        bytes += "\r\n";
    }
    // A break at the very end closes the last line; it does not open another one.
    if (n > 0 && cp1251.back() != '\n' && cp1251.back() != '\r') bytes += "\r\n";
    return bytes;
}

bool EncodeTextFile(std::string_view utf8, std::string& bytes, std::string& error) {
    bytes.clear();
    error.clear();
    if (!IsValidUtf8(utf8)) {
        error = "the text is not well-formed UTF-8";
        return false;
    }
    std::string cp1251;
    cp1251.reserve(utf8.size());
    int line = 1, column = 1, missing = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t u = NextCodePoint(utf8, i);
        const int b = UnicodeToCp1251(u);
        if (b < 0) {
            if (++missing <= 3) {
                char where[96];
                std::snprintf(where, sizeof where, "%sU+%04X at line %d, column %d",
                              missing > 1 ? "; " : "", static_cast<unsigned>(u), line, column);
                error += where;
            }
        } else {
            cp1251.push_back(static_cast<char>(b));
        }
        if (u == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    if (missing > 0) {
        error = "Windows-1251 has no byte for " + std::to_string(missing) + " character" +
                (missing > 1 ? "s" : "") + ": " + error + (missing > 3 ? "; ..." : "");
        return false;
    }
    bytes = TextFileBytes(cp1251);
    return true;
}

bool ReadTextFile(const std::string& path, std::string& bytes, std::string& error) {
    return ReadWholeFile(path, kLargestTextFile, bytes, error);
}

bool WriteTextFile(const std::string& path, std::string_view bytes, std::string& error) {
    return WriteFileAtomically(path, bytes, error);
}

}  // namespace q417
