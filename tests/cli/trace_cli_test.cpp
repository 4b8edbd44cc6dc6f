#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_cli.h"

namespace {

namespace fs = std::filesystem;

using namespace q417::testing::cli;
using Ran = Result;

fs::path TraceDir() {
    return TestDir();
}

// One line of the trace, read strictly in the order the program writes its fields.
struct Line {
    int in = -1, out = -1;
    std::vector<int> path, positions;
    std::string ch;
};

class Reader {
public:
    explicit Reader(const std::string& s) : s_(s) {}
    bool Read(Line& l) {
        return Lit("{\"in\":") && Num(l.in) && Lit(",\"path\":") && Nums(l.path) &&
               Lit(",\"out\":") && Num(l.out) && Lit(",\"char\":") && Str(l.ch) &&
               Lit(",\"positions\":") && Nums(l.positions) && Lit("}") && i_ == s_.size();
    }

private:
    bool Lit(const char* t) {
        const std::string lit(t);
        if (s_.compare(i_, lit.size(), lit) != 0) return false;
        i_ += lit.size();
        return true;
    }
    bool Num(int& v) {
        const size_t start = i_;
        while (i_ < s_.size() && isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
        if (i_ == start) return false;
        v = std::stoi(s_.substr(start, i_ - start));
        return true;
    }
    bool Nums(std::vector<int>& v) {
        if (!Lit("[")) return false;
        for (int n; !Lit("]");) {
            if (!v.empty() && !Lit(",")) return false;
            if (!Num(n)) return false;
            v.push_back(n);
        }
        return true;
    }
    bool Str(std::string& out) {
        if (!Lit("\"")) return false;
        while (i_ < s_.size() && s_[i_] != '"') {
            const unsigned char c = s_[i_++];
            if (c < 0x20) return false;  // control characters must be escaped
            if (c != '\\') {
                out += static_cast<char>(c);
            } else if (i_ < s_.size() && (s_[i_] == '"' || s_[i_] == '\\')) {
                out += s_[i_++];
            } else if (s_.compare(i_, 3, "u00") == 0 && i_ + 5 <= s_.size()) {
                out += static_cast<char>(std::stoi(s_.substr(i_ + 3, 2), nullptr, 16));
                i_ += 5;
            } else {
                return false;
            }
        }
        return Lit("\"");
    }
    const std::string& s_;
    size_t i_ = 0;
};

std::vector<Line> Parse(const std::string& out) {
    std::vector<Line> lines;
    std::istringstream in(out);
    std::string text;
    while (std::getline(in, text)) {
        Line l;
        EXPECT_TRUE(Reader(text).Read(l)) << "not a trace line: " << text;
        lines.push_back(l);
    }
    EXPECT_TRUE(out.empty() || out.back() == '\n');
    return lines;
}

std::string Positions(const std::vector<int>& p) {
    std::string s = "positions:";
    for (int v : p) s += " " + std::to_string(v);
    return s;
}

// For many settings the trace is feed, key press by key press: the characters make feed's
// output, there is a line for each key press counted, and the last positions are feed's.
TEST(CliTrace, FollowsFeedKeyPressByKeyPress) {
    const std::string text =
        "ПРИВЕТ МИР, 12 ГРУППЫ ПО 5: съешь же ещё этих мягких булок*\r\nЙЦУКЕН 0987\nQWERTY\r\rЁЖ";
    const char* options[] = {"--rod 1",
                             "--rod 2 --serie 3",
                             "--rod 0 --mode 2",
                             "--machine 0 --positions 3,30,1,17,9,22,5,8,11,2",
                             "--machine 2 --plug 2",
                             "--plug 2 --rod 2 --mode 2",
                             "--module 10",
                             "--module 10 --plug 2 --machine 2",
                             "--layout 1 --wheel 4 --mode 3"};
    for (const char* o : options) {
        const Ran feed = Cli(std::string("feed --show-state ") + o, text);
        const Ran trace = Cli(std::string("trace ") + o, text);
        ASSERT_EQ(trace.status, 0) << o << ": " << trace.err;
        ASSERT_EQ(feed.status, 0) << o << ": " << feed.err;
        const std::vector<Line> lines = Parse(trace.out);
        std::string chars;
        for (const Line& l : lines) {
            chars += l.ch;
            EXPECT_EQ(l.positions.size(), 10u);
            if (std::string(o).find("--rod 0") != std::string::npos) {
                EXPECT_TRUE(l.path.empty());
                EXPECT_EQ(l.out, l.in);
            } else if (!l.path.empty()) {
                // The path ends on the printed contact; a deciphered 30 prints as a space.
                EXPECT_TRUE(l.path.back() == l.out || (l.path.back() == 30 && l.out == 31)) << o;
            }
        }
        EXPECT_EQ(chars, feed.out) << o;
        EXPECT_NE(feed.err.find("tech: " + std::to_string(lines.size())), std::string::npos)
            << o << ": " << feed.err;
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(feed.err.find(Positions(lines.back().positions)), std::string::npos) << o;
    }
}

TEST(CliTrace, WorkedExample) {
    const Ran r = Cli("trace", "АААААААААААА");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<Line> lines = Parse(r.out);
    ASSERT_EQ(lines.size(), 12u);
    std::vector<int> outs;
    for (const Line& l : lines) outs.push_back(l.out);
    EXPECT_EQ(outs, (std::vector<int>{3, 11, 18, 6, 29, 27, 21, 21, 11, 8, 14, 5}));
    EXPECT_EQ(lines.back().positions, (std::vector<int>{5, 20, 7, 26, 10, 3, 16, 7, 21, 9}));
    // Key, keyboard map, card, entry, ten rotors, reflector, ten rotors, entry, card, exit.
    EXPECT_EQ(lines.front().path.size(), 28u);
    EXPECT_EQ(lines.front().path.front(), 1);
    EXPECT_EQ(lines.front().ch, "В");
}

// "in" is the key as pressed: a space is 31 even where the path takes it on 30; a shift
// prints nothing; a double quote printed on the Polish figures wheel is escaped.
TEST(CliTrace, SpacesShiftsAndEscapes) {
    std::vector<Line> l = Parse(Cli("trace --rod 1", "А Б").out);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].in, 31);
    EXPECT_EQ(l[1].path.front(), 30);

    l = Parse(Cli("trace --rod 0 --mode 2 --layout 1", "A").out);  // A is contact 20
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].out, 20);
    EXPECT_EQ(l[0].ch, "");

    const Ran r = Cli("trace --rod 0 --layout 2 --mode 3", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    bool quote = false;
    for (const Line& line : Parse(r.out)) quote = quote || line.ch == "\"";
    EXPECT_TRUE(quote) << r.out;
    EXPECT_NE(r.out.find("\"char\":\"\\\"\""), std::string::npos);
}

// What feed refuses, trace refuses with the same status and message.
TEST(CliTrace, RefusesWhatFeedRefuses) {
    const fs::path dir = TraceDir();
    fs::create_directories(dir);
    std::ofstream(dir / "short.key", std::ios::binary) << std::string(50, '\1');
    const std::string key = (dir / "short.key").string();
    // Built apart: GCC 12 takes `std::string(n, c) + "..."` inside the array's initialiser for
    // a copy out of the array's bounds (a false -Warray-bounds).
    std::string cut_short(100000, 'A'), too_long(64 << 20, 'A');
    cut_short += "\xE2\x98";
    too_long += "!";
    struct Case {
        std::string args, input;
    } cases[] = {{"--encoding utf-8", "АБ\xC0\xC1"},
                 {"--encoding utf-8", cut_short},
                 {"", too_long},
                 {"--key " + key, "АБ"},
                 {"--config /nonexistent/Q417.INI", "А"},
                 {"/nonexistent/text.txt", ""},
                 {"--rod 3", "А"},
                 {"--positions 1,2", "А"},
                 {"a.txt b.txt", ""}};
    for (const Case& c : cases) {
        const Ran feed = Cli("feed " + c.args, c.input);
        const Ran trace = Cli("trace " + c.args, c.input);
        EXPECT_NE(feed.status, 0) << c.args;
        EXPECT_EQ(trace.status, feed.status) << c.args;
        EXPECT_EQ(trace.err, feed.err) << c.args;
    }
}

// The text is read a piece at a time: letters cut between two pieces, CR LF pairs cut
// between them and a line break at the very end come out as feed makes them.
TEST(CliTrace, LongTextsStreamAsFeedReadsThemWhole) {
    std::string text;
    for (int i = 0; text.size() < 300000; ++i)
        text += i % 3 ? "ЁЖИК ЛМН\r\n" : i % 5 ? "А\rБ\n\nВ" : "Щ*Ф7\r";
    text += "\r\n";
    const Ran feed = Cli("feed --rod 1", text);
    const Ran trace = Cli("trace --rod 1", text);
    ASSERT_EQ(trace.status, 0) << trace.err;
    std::string chars;
    for (const Line& l : Parse(trace.out)) chars += l.ch;
    EXPECT_EQ(chars, feed.out);
}

// A text far larger than the memory the program may take is traced all the same. The Latin
// letters give no contact on the Russian keyboard: only the two letters at the end are fed.
TEST(CliTrace, RunsInConstantMemory) {
#ifdef Q417_SANITIZED
    GTEST_SKIP() << "a memory limit cannot be set for a program built with AddressSanitizer";
#endif
    const Ran r = Shell(
        "{ head -c 120000000 /dev/zero | tr '\\0' Q; printf 'АБ'; } | "
        "( ulimit -v 60000; q417 trace --rod 1 --encoding utf-8 )");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Parse(r.out).size(), 2u);
}

}  // namespace
