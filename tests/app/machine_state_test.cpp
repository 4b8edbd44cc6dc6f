#include "app/machine_state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "io/cp1251.h"
#include "io/feed.h"
#include "tests/support/away_settings.h"

namespace q417 {
namespace {

std::string Cp(const char* utf8) {
    std::string bytes, error;
    EXPECT_TRUE(Utf8ToCp1251(utf8, bytes, error)) << error;
    return bytes;
}

// A machine half-way through a message, every field away from its start-up value.
MachineState HalfDone() {
    MachineState st;
    st.Settings = AwaySettings(9876);
    for (int r = 1; r <= 30; ++r) st.Card[r] = r == 5 ? 0 : 31 - r;
    st.KeyNumber = 42;
    for (int k = 1; k <= 10; ++k) {
        st.Table.at(KeyTable::kRotorNumber, k) = 11 - k;
        st.Table.at(KeyTable::kRingSetting, k) = 30 - k;
        st.Table.at(KeyTable::kCoreNumber, k) = k == 10 ? 0 : k;  // a column being filled in
        st.Table.at(KeyTable::kCoreSide, k) = 2;
        st.Table.at(KeyTable::kCoreSetting, k) = k == 9 ? 256 : 3 + k;
        st.Rotors[k] = {31 - k * 3, 11 - k, 30 - k, k, 1 + k % 2, 3 + k};
    }
    st.GroupCount = 998;
    st.GroupPosition = 4;
    st.PrintRegister = 2;
    st.PaperTape = {{}, {true, 8, 31, Model::Q417_3MR}, {true, 1, 0, Model::Q417M}, {}};
    st.PunchedTape = {0, 31, 17};
    st.InputText = Cp("Привет, \"мир\"\r\nвторая\tстрока\\ \x01 ");
    st.InputText += kNoCharacter;
    st.InputTextLoaded = true;
    st.FeedPosition = 11;
    st.OutputText = Cp("ПРИВЕ ТМИР* 12:");
    return st;
}

TEST(MachineState, ReadsBackWhatWasWrittenByteForByte) {
    const MachineState st = HalfDone();
    const std::string file = WriteMachineState(st);
    MachineState back;
    std::string error;
    ASSERT_TRUE(ReadMachineState(file, back, error)) << error << "\n" << file;
    EXPECT_TRUE(back == st);
    EXPECT_EQ(WriteMachineState(back), file);
    // Legible for a person: the texts in UTF-8, the line breaks escaped, a field per line.
    EXPECT_NE(
        file.find("\"InputText\": \"Привет, \\\"мир\\\"\\r\\nвторая\\tстрока\\\\ \\u0001 \uFFFD\""),
        std::string::npos)
        << file;
    EXPECT_NE(file.find("\n  \"version\": 1,\n"), std::string::npos);
    EXPECT_NE(file.find("\n    \"Tech\": 9876\n"), std::string::npos);
    // A state at start-up reads back too, with its empty tapes and texts.
    const MachineState fresh;
    EXPECT_NE(WriteMachineState(fresh).find("\"PaperTape\": [],\n  \"PunchedTape\": [],\n"),
              std::string::npos);
    ASSERT_TRUE(ReadMachineState(WriteMachineState(fresh), back, error)) << error;
    EXPECT_TRUE(back == fresh);
}

// The example in the documentation is a state the program reads.
TEST(MachineState, TheDocumentedExampleReads) {
    std::ifstream in(Q417_SOURCE_DIR "/doc/state-file.md");
    const std::string doc(std::istreambuf_iterator<char>(in), {});
    const std::size_t from = doc.find("```json\n");
    const std::size_t to = doc.find("```\n", from + 8);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    MachineState st;
    std::string error;
    EXPECT_TRUE(ReadMachineState(doc.substr(from + 8, to - from - 8), st, error)) << error;
    EXPECT_EQ(WriteMachineState(st), doc.substr(from + 8, to - from - 8));
}

struct Refusal {
    const char* what;
    std::function<std::string(std::string)> damage;
    const char* message;
};

std::string Replace(std::string file, const std::string& from, const std::string& to) {
    const std::size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? file : file.replace(at, from.size(), to);
}

auto Swap(const char* from, const char* to) {
    return [=](std::string f) { return Replace(std::move(f), from, to); };
}

TEST(MachineState, RefusesDamagedAndHostileFilesAndChangesNothing) {
    const Refusal rows[] = {
        {"empty", [](std::string) { return std::string(); }, "not valid JSON at line 1"},
        {"truncated", [](std::string f) { return f.substr(0, f.size() / 2); }, "ends inside"},
        {"trailing comma", Swap("\"Tech\": 9876", "\"Tech\": 9876,"), "expected a field name"},
        {"garbage after", [](std::string f) { return f + "x"; }, "more follows"},
        {"deep nesting",
         [](std::string) { return std::string(5000, '[') + std::string(5000, ']'); },
         "nested deeper than 16 levels"},
        {"bad UTF-8", Swap("Привет", "\xD0\x9F\xFF"), "invalid UTF-8"},
        {"lone surrogate", Swap("Привет", "\\uD800x"), "lone surrogate"},
        {"control character", Swap("Привет", "\x01"), "control character"},
        {"field twice", Swap("\"Rod\": 1", "\"Rod\": 1, \"Rod\": 2"), "\"Rod\" appears twice"},
        {"not ours", Swap("q417-machine-state", "q417-key"), "not a Q417 machine state file"},
        {"a list", [](std::string) { return std::string("[1, 2]"); }, "not a Q417 machine"},
        {"future version", Swap("\"version\": 1", "\"version\": 2"),
         "made by a newer version of the program (state format version 2"},
        {"version zero", Swap("\"version\": 1", "\"version\": 0"), "version must be"},
        {"setting out of range", Swap("\"Tech\": 9876", "\"Tech\": 10000"),
         "Settings.Tech is 10000; it must lie in 0..9999"},
        {"fraction", Swap("\"Tech\": 9876", "\"Tech\": 98.5"), "Settings.Tech must be a whole"},
        {"huge number", Swap("\"Tech\": 9876", "\"Tech\": 99999999999999999999999"),
         "Settings.Tech must be a whole"},
        {"exponent", Swap("\"Tech\": 9876", "\"Tech\": 1e3"), "Settings.Tech must be a whole"},
        {"string for a number", Swap("\"Rod\": 1", "\"Rod\": \"1\""), "Settings.Rod must be"},
        {"module", Swap("\"Module\": 10", "\"Module\": 20"), "Settings.Module must be 10 or 30"},
        {"boolean", Swap("\"Sound\": false", "\"Sound\": 0"),
         "Settings.Sound must be true or false"},
        {"Q-417M apart", Swap("\"Machine\": 2", "\"Machine\": 0"), "the Q-417M has module 30"},
        {"missing field", Swap("  \"GroupCount\": 998,\n", ""), "GroupCount is missing"},
        {"counter", Swap("\"GroupPosition\": 4", "\"GroupPosition\": 5"), "GroupPosition is 5"},
        {"register", Swap("\"PrintRegister\": 2", "\"PrintRegister\": 3"), "PrintRegister is 3"},
        {"key number", Swap("\"KeyNumber\": 42", "\"KeyNumber\": -1"), "KeyNumber is -1"},
        {"card column", Swap("\"Card\": [30,", "\"Card\": [31,"), "Card entry 1 is 31"},
        {"card missing", Swap("\"Card\":", "\"Cards\":"), "Card is missing"},
        {"settings missing", Swap("\"Settings\":", "\"Setting\":"), "Settings is missing"},
        {"key table missing", Swap("\"KeyTable\":", "\"Table\":"), "KeyTable is missing"},
        {"rotors missing", Swap("\"Rotors\":", "\"Rotor\":"), "Rotors is missing"},
        {"paper tape missing", Swap("\"PaperTape\":", "\"Paper\":"), "PaperTape is missing"},
        {"punched tape missing", Swap("\"PunchedTape\":", "\"Punched\":"),
         "PunchedTape is missing"},
        {"input text missing", Swap("\"InputText\":", "\"Input\":"), "InputText is missing"},
        {"card short", Swap("\"Card\": [30,", "\"Card\": ["), "Card must be a list of 30"},
        {"card column twice", Swap("\"Card\": [30, 29,", "\"Card\": [30, 30,"),
         "Card: column 30 is punched in rows 1 and 2"},
        {"first column twice", Swap("\"Card\": [30, 29,", "\"Card\": [1, 29,"),
         "Card: column 1 is punched in rows 1 and 30"},
        {"key table", Swap("\"CoreSide\": [2,", "\"CoreSide\": [257,"),
         "KeyTable.CoreSide entry 1 is 257"},
        {"rotor ring", Swap("\"RingSetting\": 29,", "\"RingSetting\": 31,"),
         "Rotors slot 1: RingSetting is 31; it must lie in 1..30"},
        {"nine rotors", Swap("    {\"Position\": 28", "    null, {\"Position\": 28"),
         "Rotors must be a list of ten rotors"},
        {"glyph band", Swap("\"Band\": 8", "\"Band\": 9"), "PaperTape cell 2: Band is 9"},
        {"punched contact", Swap("[0, 31, 17]", "[0, 32, 17]"), "PunchedTape column 2 is 32"},
        {"text beyond the code page", Swap("Привет", "中"),
         "InputText holds the character U+4E2D, which Windows-1251 cannot hold"},
        {"feed beyond the text", Swap("\"FeedPosition\": 11", "\"FeedPosition\": 37"),
         "FeedPosition 37 lies beyond the input text (at most 36)"},
        {"too large", [](std::string f) { return f + std::string(kStateFileLimit, ' '); },
         "at most 16 MiB"},
    };
    const MachineState st = HalfDone();
    const std::string file = WriteMachineState(st);
    for (const Refusal& r : rows) {
        MachineState out = st;
        out.OutputText = "untouched";
        const MachineState before = out;
        std::string error;
        EXPECT_FALSE(ReadMachineState(r.damage(file), out, error)) << r.what;
        EXPECT_NE(error.find(r.message), std::string::npos) << r.what << ": " << error;
        EXPECT_TRUE(out == before) << r.what;
    }
    // Cut off anywhere before its closing brace, a file is refused.
    for (std::size_t size = 0; size + 2 < file.size(); ++size) {
        MachineState out;
        std::string error;
        ASSERT_FALSE(ReadMachineState(file.substr(0, size), out, error)) << size;
        ASSERT_NE(error.find("not valid JSON"), std::string::npos) << size << ": " << error;
    }
    // Fields a later program may add are passed over; the order of fields is free.
    MachineState out;
    std::string error;
    const std::string extra =
        Replace(Swap("\"version\": 1,", "\"version\": 1, \"Note\": [{}],")(file),
                "  \"KeyNumber\": 42,\n", "");
    EXPECT_TRUE(ReadMachineState(
        Replace(extra, "\"Settings\":", "\"KeyNumber\": 42, \"Settings\":"), out, error))
        << error;
    EXPECT_TRUE(out == st);
}

}  // namespace
}  // namespace q417
