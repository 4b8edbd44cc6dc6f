#pragma once
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace q417 {

// The lines a text box shows a text in: the text laid out greedily in lines no wider than the
// box, breaking after the last blank that fits (blanks hang past the edge, a word longer
// than a line is cut where it reaches the edge), and after every line break (CR LF, LF or CR).
// The texts are single bytes, so one advance per byte value measures every character.
// Appending to a text lays out only its last line again, so a text that grows a character
// at a time costs no more than its new characters.
class TextLines {
public:
    using Advances = std::array<int, 256>;

    // The width of each byte's character and the width of a line; the caller lays out again.
    void SetMetrics(const Advances& advances, int width);
    int Advance(unsigned char c) const { return advances_[c]; }
    int Width() const { return width_; }

    // Lays out the whole text afresh.
    void Layout(std::string_view text);
    // The text grew at its end (everything laid out before is unchanged).
    void Extend(std::string_view text);

    std::size_t Count() const { return starts_.size(); }
    std::size_t Start(std::size_t line) const { return starts_[line]; }
    // Where the line's characters end: before its line break, or where the next line starts.
    std::size_t End(std::string_view text, std::size_t line) const;
    // The line that holds the character at `offset` (the last line for the end of the text).
    std::size_t LineOf(std::size_t offset) const;
    // Pixels from the start of its line to the character at `offset`.
    int XOf(std::string_view text, std::size_t offset) const;
    // The offset nearest to `x` pixels into `line`, between its start and its end.
    std::size_t OffsetAt(std::string_view text, std::size_t line, int x) const;

private:
    void LayoutFrom(std::string_view text, std::size_t from);

    Advances advances_{};
    int width_ = 1;
    std::vector<std::size_t> starts_{0};
};

}  // namespace q417
