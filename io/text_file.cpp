#include "io/text_file.h"

#include <cstdio>

#include "io/cp1251.h"
#include "io/file_access.h"

namespace q417 {

namespace {

// UTF-16 after its byte-order mark, unit by unit; surrogate pairs make one character.
std::string Utf16ToCp1251(std::string_view bytes, bool big_endian) {
    const auto unit = [&](std::size_t i) {
        const auto hi = static_cast<unsigned char>(bytes[big_endian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[big_endian ? i + 1 : i]);
        return char32_t(hi << 8 | lo);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    std::size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        }
        const int b = u >= 0xD800 && u <= 0xDFFF ? -1 : UnicodeToCp1251(u);
        text.push_back(b < 0 ? kNoCharacter : static_cast<char>(b));
    }
    if (i < bytes.size()) text.push_back(kNoCharacter);
    return text;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE")) return TextEncoding::Utf16Le;
    if (StartsWith(bytes, "\xFE\xFF")) return TextEncoding::Utf16Be;
    return IsValidUtf8(bytes) && !IsPlainAscii(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}

std::string DecodeTextFile(std::string_view bytes) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding == TextEncoding::Cp1251) return std::string(bytes);
    if (encoding != TextEncoding::Utf8)
        return Utf16ToCp1251(bytes, encoding == TextEncoding::Utf16Be);
    // Well-formed UTF-8: the decoder cannot fail; it drops a byte-order mark.
    Utf8ToCp1251Stream utf8(true);
    std::string text, error;
    text.reserve(bytes.size());
    utf8.Put(bytes, text, error);
    utf8.Finish(text, error);
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
        char32_t u = 0;
        i += DecodeUtf8(utf8, i, u);  // well-formed: never 0
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
    return ReadWholeFile(path, kLargestTextFile, bytes, error, "text file");
}

bool WriteTextFile(const std::string& path, std::string_view bytes, std::string& error) {
    return WriteFileAtomically(path, bytes, error);
}

}  // namespace q417
