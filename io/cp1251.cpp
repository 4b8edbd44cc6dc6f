#include "io/cp1251.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace q417 {

void AppendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (u >> 6)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else if (u < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (u >> 12)));
        out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (u >> 18)));
        out.push_back(static_cast<char>(0x80 | ((u >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
}

namespace {

std::string CodePoint(char32_t u) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04lX", static_cast<unsigned long>(u));
    return buffer;
}

// The length of the sequence a lead byte opens; 0 for a byte that cannot open one.
std::size_t SequenceLength(unsigned char b0) {
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) return 2;
    if (b0 >= 0xE0 && b0 <= 0xEF) return 3;
    if (b0 >= 0xF0 && b0 <= 0xF4) return 4;
    return 0;
}

std::string InvalidAt(unsigned long long offset) {
    return "invalid UTF-8 at byte " + std::to_string(offset);
}

std::string NoFormAt(char32_t u, unsigned long long offset) {
    return "character " + CodePoint(u) + " at byte " + std::to_string(offset) +
           " has no Windows-1251 form";
}

}  // namespace

std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& u) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        u = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, min = 0x80, u = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, min = 0x800, u = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, min = 0x10000, u = b0 & 0x07;
    } else {
        return 0;  // a continuation byte, or a lead byte that only overlong forms use
    }
    if (s.size() - i < len) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        u = (u << 6) | (byte(i + k) & 0x3F);
    }
    if (u < min || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return 0;
    return len;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = Cp1251ToUnicode(b);
        AppendUtf8(out, (u == 0 && b != 0) ? char32_t{0xFFFD} : u);
    }
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string& error) {
    out.clear();
    error.clear();
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t u = 0;
        const std::size_t len = DecodeUtf8(utf8, i, u);
        if (len == 0) {
            error = InvalidAt(i);
            out.clear();
            return false;
        }
        const int b = UnicodeToCp1251(u);
        if (b < 0) {
            error = NoFormAt(u, i);
            out.clear();
            return false;
        }
        out.push_back(static_cast<char>(b));
        i += len;
    }
    return true;
}

bool Utf8ToCp1251Stream::Fail(std::string message, std::string& error) {
    failed_ = true;
    error = std::move(message);
    return false;
}

// Completes the character held back from the last piece with the first bytes of this one.
// Returns with carry_ empty, or still waiting for bytes when the piece ran out.
bool Utf8ToCp1251Stream::DecodeCarry(std::string_view& piece, std::string& out, std::string& error,
                                     bool last) {
    while (!carry_.empty()) {
        const std::size_t len = SequenceLength(static_cast<unsigned char>(carry_[0]));
        if (len == 0) return Fail(InvalidAt(offset_), error);
        const std::size_t take = std::min(piece.size(), len - std::min(len, carry_.size()));
        carry_.append(piece.substr(0, take));
        piece.remove_prefix(take);
        if (carry_.size() < len && !last) return true;
        char32_t u = 0;
        if (DecodeUtf8(carry_, 0, u) == 0) return Fail(InvalidAt(offset_), error);
        int b = UnicodeToCp1251(u);
        if (b < 0) b = no_form_;
        if (b < 0) return Fail(NoFormAt(u, offset_), error);
        out.push_back(static_cast<char>(b));
        carry_.erase(0, len);
        offset_ += len;
    }
    return true;
}

bool Utf8ToCp1251Stream::Put(std::string_view piece, std::string& out, std::string& error) {
    if (failed_) return false;
    if (at_start_) {
        // The byte-order mark is known only once three bytes are in (or the text ended).
        constexpr std::string_view kMark = "\xEF\xBB\xBF";
        const std::size_t take = std::min(piece.size(), kMark.size() - carry_.size());
        carry_.append(piece.substr(0, take));
        piece.remove_prefix(take);
        if (carry_.size() < kMark.size() && kMark.substr(0, carry_.size()) == carry_) return true;
        at_start_ = false;
        if (carry_ == kMark) carry_.clear();
    }
    if (!DecodeCarry(piece, out, error, false)) return false;
    if (!carry_.empty()) return true;
    out.reserve(out.size() + piece.size());
    std::size_t i = 0;
    while (i < piece.size()) {
        const auto b0 = static_cast<unsigned char>(piece[i]);
        if (b0 < 0x80) {  // plain ASCII, most of most texts
            out.push_back(static_cast<char>(b0));
            ++i;
            continue;
        }
        const std::size_t len = SequenceLength(b0);
        if (len != 0 && piece.size() - i < len) break;  // completed by the next piece
        char32_t u = 0;
        if (len == 0 || DecodeUtf8(piece, i, u) == 0) return Fail(InvalidAt(offset_ + i), error);
        int b = UnicodeToCp1251(u);
        if (b < 0) b = no_form_;
        if (b < 0) return Fail(NoFormAt(u, offset_ + i), error);
        out.push_back(static_cast<char>(b));
        i += len;
    }
    carry_.assign(piece.substr(i));
    offset_ += i;
    return true;
}

bool Utf8ToCp1251Stream::Finish(std::string& out, std::string& error) {
    if (failed_) return false;
    at_start_ = false;
    std::string_view nothing;
    return DecodeCarry(nothing, out, error, true);
}

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t u = 0;
        const std::size_t len = DecodeUtf8(s, i, u);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

bool IsPlainAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace q417
