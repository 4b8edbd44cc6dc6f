#include "io/text_lines.h"

#include <algorithm>

namespace q417 {

namespace {
bool IsBreak(char c) {
    return c == '\r' || c == '\n';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

void TextLines::SetMetrics(const Advances& advances, int width) {
    advances_ = advances;
    width_ = std::max(width, 1);
}

void TextLines::Layout(std::string_view text) {
    starts_.assign(1, 0);
    LayoutFrom(text, 0);
}

void TextLines::Extend(std::string_view text) {
    std::size_t from = starts_.back();
    // A CR at the old end and an LF after it are one line break, not two.
    if (from > 0 && from < text.size() && text[from - 1] == '\r' && text[from] == '\n') ++from;
    starts_.back() = from;
    LayoutFrom(text, from);
}

// Lays out from `from`, the start of the last line already recorded.
void TextLines::LayoutFrom(std::string_view text, std::size_t from) {
    const std::size_t n = text.size();
    std::size_t line_start = from;
    std::size_t after_blank = from;  // just after the last blank of the line; none when == start
    int x = 0;
    for (std::size_t i = from; i < n; ++i) {
        const char c = text[i];
        if (IsBreak(c)) {
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            line_start = after_blank = i + 1;
            starts_.push_back(line_start);
            x = 0;
            continue;
        }
        const int w = advances_[static_cast<unsigned char>(c)];
        if (IsBlank(c)) {
            x += w;
            after_blank = i + 1;
            continue;
        }
        if (x + w > width_ && i > line_start) {
            line_start = after_blank > line_start ? after_blank : i;
            starts_.push_back(line_start);
            after_blank = line_start;
            x = 0;
            for (std::size_t k = line_start; k < i; ++k)
                x += advances_[static_cast<unsigned char>(text[k])];
        }
        x += w;
    }
}

std::size_t TextLines::End(std::string_view text, std::size_t line) const {
    std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : text.size();
    end = std::min(end, text.size());
    while (end > starts_[line] && IsBreak(text[end - 1])) --end;
    return end;
}

std::size_t TextLines::LineOf(std::size_t offset) const {
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<std::size_t>(it - starts_.begin()) - 1;
}

int TextLines::XOf(std::string_view text, std::size_t offset) const {
    int x = 0;
    offset = std::min(offset, text.size());
    for (std::size_t k = starts_[LineOf(offset)]; k < offset; ++k)
        x += IsBreak(text[k]) ? 0 : advances_[static_cast<unsigned char>(text[k])];
    return x;
}

std::size_t TextLines::OffsetAt(std::string_view text, std::size_t line, int x) const {
    const std::size_t end = End(text, line);
    std::size_t k = starts_[line];
    int left = 0;
    for (; k < end; ++k) {
        const int w = advances_[static_cast<unsigned char>(text[k])];
        if (x < left + (w + 1) / 2) break;
        left += w;
    }
    return k;
}

}  // namespace q417
