// Text files in both encodings, the text boxes' line layout, the loader's zones and the log
// that holds the printer's pictures back during a fast run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/feed_controls.h"
#include "io/qt/loader_zones.h"
#include "io/printer_log.h"
#include "io/text_file.h"
#include "io/text_lines.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;

struct DecodeRow {
    const char* bytes;
    TextEncoding encoding;
    const char* cp1251;
};

TEST(TextFile, ReadsUtf8WhenItIsUtf8AndNotAscii) {
    const DecodeRow rows[] = {
        {"ABC 123\r\n", TextEncoding::Cp1251, "ABC 123\r\n"},
        {"\xCF\xD0\xC8", TextEncoding::Cp1251, "\xCF\xD0\xC8"},            // ПРИ in Windows-1251
        {"\xD0\x9F\xD0\xA0\xD0\x98", TextEncoding::Utf8, "\xCF\xD0\xC8"},  // ПРИ in UTF-8
        {"\xEF\xBB\xBF"
         "AB",
         TextEncoding::Utf8, "AB"},                                // byte-order mark
        {"\xE4\xB8\xAD\xD0\x90", TextEncoding::Utf8, "\x98\xC0"},  // 中 has no byte
        {"\xE0\xA0\x80\xD0\x90", TextEncoding::Utf8, "\x98\xC0"},  // U+0800, lead byte E0
        {"\xC3\x28", TextEncoding::Cp1251, "\xC3\x28"},            // broken UTF-8
        {"", TextEncoding::Cp1251, ""},
    };
    for (const DecodeRow& r : rows) {
        EXPECT_EQ(DetectTextEncoding(r.bytes), r.encoding) << r.bytes;
        EXPECT_EQ(DecodeTextFile(r.bytes), r.cp1251) << r.bytes;
    }
    // UTF-16 as Windows editors save it, after its byte-order mark: a pair of surrogates is
    // one character (without a byte here), a lone half or an odd last byte is no character.
    const std::pair<std::string, std::string> utf16[] = {
        {std::string("\xFF\xFE\x1F\x04\x20\x04\r\0\n\0A\0", 12), "\xCF\xD0\r\nA"},
        {std::string("\xFE\xFF\x04\x1F\0 \xD8\x3D\xDE\x00\x04\x10", 12), "\xCF \x98\xC0"},
        {std::string("\xFF\xFE\x00\xDC\x10\x04\x41", 7), "\x98\xC0\x98"},
    };
    for (const auto& [bytes, cp1251] : utf16) {
        EXPECT_NE(DetectTextEncoding(bytes), TextEncoding::Cp1251);
        EXPECT_EQ(DecodeTextFile(bytes), cp1251);
    }
}

TEST(TextFile, EveryLineEndsInCrLf) {
    const std::pair<const char*, const char*> rows[] = {
        {"", ""},           {"AB", "AB\r\n"},           {"A\nB", "A\r\nB\r\n"},
        {"A\r\n", "A\r\n"}, {"A\rB\r\n", "A\r\nB\r\n"}, {"A\n\nB", "A\r\n\r\nB\r\n"},
    };
    for (const auto& [text, file] : rows) EXPECT_EQ(TextFileBytes(text), file) << text;
}

TEST(TextFile, CharactersWithoutAByteAreReportedNotDropped) {
    std::string bytes, error;
    EXPECT_TRUE(EncodeTextFile("\xD0\x90\xD0\x91 x\n", bytes, error));
    EXPECT_EQ(bytes, "\xC0\xC1 x\r\n");
    EXPECT_FALSE(EncodeTextFile("ok\n\xD0\x90\xE4\xB8\xAD", bytes, error));
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(error.find("U+4E2D at line 2, column 2"), std::string::npos) << error;
    EXPECT_TRUE(EncodeTextFile(std::string_view("a\0b", 3), bytes, error));  // NUL is byte 0
    EXPECT_EQ(bytes, std::string_view("a\0b\r\n", 5));
}

class TextFileOnDisk : public ::testing::Test {
protected:
    testing::TempDir temp;
    const fs::path dir = temp.Path();
};

TEST_F(TextFileOnDisk, ReadingFailsWithTheReasonAndNoBytes) {
    std::string bytes = "old", error;
    EXPECT_FALSE(ReadTextFile((dir / "missing.txt").string(), bytes, error));
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(error.find("Cannot open file"), std::string::npos) << error;
    EXPECT_FALSE(ReadTextFile(dir.string(), bytes, error));  // a folder
    EXPECT_NE(error.find("directory"), std::string::npos) << error;
}

// Started with its standard input closed, the program gets descriptor 0 for the next file
// it opens; that is a file like any other.
TEST_F(TextFileOnDisk, AFileOpenedAsDescriptorZeroIsRead) {
    std::ofstream(dir / "zero.txt") << "ABC";
    const int saved = ::dup(0);
    ASSERT_GE(saved, 0);
    ::close(0);
    std::string bytes, error;
    const bool read = ReadTextFile((dir / "zero.txt").string(), bytes, error);
    ::dup2(saved, 0);
    ::close(saved);
    EXPECT_TRUE(read) << error;
    EXPECT_EQ(bytes, "ABC");
}

TEST_F(TextFileOnDisk, SavingReplacesTheWholeFileOrNothing) {
    const fs::path target = dir / "encrypt.txt";
    std::ofstream(target) << "a much longer old text that must not survive in part";
    const fs::perms owner_only = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(target, owner_only);
    std::string error, bytes;
    ASSERT_TRUE(WriteTextFile(target.string(), "NEW\r\n", error)) << error;
    EXPECT_EQ(Slurp(target), "NEW\r\n");
    EXPECT_EQ(fs::status(target).permissions(), owner_only);  // the file keeps its permissions
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    ASSERT_TRUE(ReadTextFile(target.string(), bytes, error));
    EXPECT_EQ(bytes, "NEW\r\n");

    EXPECT_FALSE(WriteTextFile((dir / "no" / "such.txt").string(), "X", error));
    EXPECT_NE(error.find("Cannot create file"), std::string::npos) << error;
    fs::create_directory(dir / "folder.txt");
    EXPECT_FALSE(WriteTextFile((dir / "folder.txt").string(), "X", error));
    EXPECT_TRUE(fs::is_directory(dir / "folder.txt"));
    EXPECT_EQ(Slurp(target), "NEW\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

// Every character 10 pixels wide, lines of 50 pixels: five characters to a line.
TextLines FiveWide() {
    TextLines lines;
    TextLines::Advances a{};
    a.fill(10);
    a['\r'] = a['\n'] = 0;
    lines.SetMetrics(a, 50);
    return lines;
}

std::vector<std::string> Shown(const TextLines& lines, std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.Count(); ++i)
        out.emplace_back(text.substr(lines.Start(i), lines.End(text, i) - lines.Start(i)));
    return out;
}

TEST(TextLines, WrapsAfterBlanksAndCutsLongWords) {
    using V = std::vector<std::string>;
    const std::pair<const char*, V> rows[] = {
        {"", V{""}},
        {"abc de fgh", V{"abc ", "de ", "fgh"}},
        {"abcdefghijk", V{"abcde", "fghij", "k"}},
        {"ab   cd", V{"ab   ", "cd"}},  // blanks hang past the edge
        {"ab\r\ncd\r\n", V{"ab", "cd", ""}},
        {"a\nb\rc", V{"a", "b", "c"}},
        {"x\nyyyy", V{"x", "yyyy"}},  // fewer lines than before: the last ends at the end
    };
    TextLines lines = FiveWide();  // one box, laid out again for each text
    for (const auto& [text, expected] : rows) {
        lines.Layout(text);
        EXPECT_EQ(Shown(lines, text), expected) << text;
    }
}

TEST(TextLines, GrowingATextGivesTheSameLinesAsLayingItOutAnew) {
    const std::string full = "one two\r\nthree fourfivesix seven\r\n\r\neight nine";
    for (std::size_t step : {1u, 2u, 7u}) {
        TextLines grown = FiveWide(), fresh = FiveWide();
        std::string text;
        grown.Layout(text);
        for (std::size_t i = 0; i < full.size(); i += step) {
            text = full.substr(0, std::min(full.size(), i + step));
            grown.Extend(text);
        }
        fresh.Layout(full);
        EXPECT_EQ(Shown(grown, full), Shown(fresh, full)) << "step " << step;
    }
}

TEST(TextLines, FindsCharactersByPlaceAndPlacesByCharacter) {
    TextLines lines = FiveWide();
    const std::string text = "abc de fgh";
    lines.Layout(text);
    EXPECT_EQ(lines.LineOf(5), 1u);
    EXPECT_EQ(lines.XOf(text, 5), 10);
    EXPECT_EQ(lines.OffsetAt(text, 1, 14), 5u);
    EXPECT_EQ(lines.OffsetAt(text, 1, 16), 6u);
    EXPECT_EQ(lines.OffsetAt(text, 2, 500), 10u);
}

TEST(Loader, ZonesOfTheButtonAndTheStrip) {
    struct Row {
        int x, y;
        loader::ButtonLook button;
        loader::StripLook strip;
        int step;
    };
    using B = loader::ButtonLook;
    using S = loader::StripLook;
    const Row rows[] = {
        {150, 20, B::Highlighted, S::Normal, 0}, {142, 20, B::Normal, S::Normal, 0},
        {10, 57, B::Normal, S::LeftLit, +1},     {31, 57, B::Normal, S::LeftLit, +1},
        {32, 57, B::Normal, S::RightLit, 0},     {33, 57, B::Normal, S::RightLit, 0},
        {34, 57, B::Normal, S::RightLit, -1},    {59, 57, B::Normal, S::RightLit, -1},
        {62, 57, B::Normal, S::Normal, -1},      {65, 57, B::Normal, S::Normal, 0},
        {10, 50, B::Normal, S::Normal, 0},       {10, 64, B::Normal, S::Normal, 0},
        {10, 51, B::Normal, S::LeftLit, +1},     {40, 63, B::Normal, S::RightLit, -1},
    };
    for (const Row& r : rows) {
        const loader::LoaderSpot spot = loader::LoaderSpotAt(r.x, r.y);
        EXPECT_EQ(spot.button, r.button) << r.x << "," << r.y;
        EXPECT_EQ(spot.strip, r.strip) << r.x << "," << r.y;
        EXPECT_EQ(spot.step, r.step) << r.x << "," << r.y;
    }
}

TEST(StartStop, OneKeyAtATime) {
    CycleState st;
    StartStopKeys keys;
    EXPECT_TRUE(keys.PressStart(st));
    EXPECT_TRUE(st.AutoRun);
    EXPECT_FALSE(keys.PressStop(st));  // the start key is still held
    keys.ReleaseStart();
    EXPECT_FALSE(keys.PressStart(st));  // already running
    EXPECT_TRUE(keys.PressStop(st));
    EXPECT_FALSE(st.AutoRun);
    EXPECT_FALSE(keys.PressStart(st));  // the stop key is held
    keys.ReleaseStop();
    EXPECT_TRUE(keys.PressStart(st));
}

// A tape of a few cells as a string: what a picture of it would show.
struct ToyTape : PrinterListener {
    std::string paper = std::string(5, '.'), punched = std::string(4, '.');
    int count = -1, position = -1;
    void TapeAdvanced() override { paper = paper.substr(1) + '.'; }
    void GlyphPrinted(int band, int32_t contact, Model) override {
        paper.back() = static_cast<char>('A' + (contact + band) % 26);
    }
    void Punched(int32_t contact) override {
        punched = punched.substr(1) + static_cast<char>('a' + contact % 26);
    }
    void CounterChanged(int c, int p) override { count = c, position = p; }
};

TEST(PrinterLog, ReplayDrawsWhatDrawingEveryCharacterDraws) {
    for (int presses : {0, 1, 3, 4, 5, 6, 40}) {
        ToyTape direct, held;
        PrinterListener texts;
        PrinterLog log(texts, 5, 4);
        for (PrinterListener* l :
             {static_cast<PrinterListener*>(&direct), static_cast<PrinterListener*>(&log)}) {
            for (int i = 0; i < presses; ++i) {
                l->TapeAdvanced();
                l->GlyphPrinted(i % 3, i, Model::Q417_3MN);
                l->Punched(i);
                l->CounterChanged(i / 5, i % 5);
            }
        }
        log.Replay(held);
        EXPECT_EQ(held.paper, direct.paper) << presses;
        EXPECT_EQ(held.punched, direct.punched) << presses;
        EXPECT_EQ(held.count, direct.count);
        EXPECT_EQ(held.position, direct.position);
        EXPECT_TRUE(log.Empty());
    }
}

}  // namespace
}  // namespace q417
