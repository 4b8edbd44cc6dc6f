// A message fed in two parts through a saved machine state, against the whole of it.
#include <random>
#include <string>
#include <vector>

#include "tests/support/run_cli.h"

namespace q417::testing::cli {
namespace {

// Characters of every kind a text holds: letters of both alphabets, figures, spaces, the
// asterisk stop, line breaks of every kind and a character no key has.
const std::vector<std::string> kPieces = {"А", "Б", "Ж", "Я", "Ё", "п", "Q", "W", "z", "1", "7",
                                          "0", " ", " ", ",", "*", "\n", "\r\n", "\r", "\n", "№"};

std::string RandomOptions(std::mt19937& rng, const fs::path& key) {
    std::string o = " --machine " + std::to_string(rng() % 3) + " --rod " +
                    std::to_string(rng() % 3) + " --mode " + std::to_string(1 + rng() % 3) +
                    " --layout " + std::to_string(1 + rng() % 4) +
                    " --module " + (rng() % 4 == 0 ? "10" : "30") + " --plug " +
                    (rng() % 5 == 0 ? "2" : "1") + " --serie " + (rng() % 2 ? "3" : "6");
    if (rng() % 2) o += " --divider";
    o += " --key " + key.string() + " --positions ";
    for (int slot = 1; slot <= 10; ++slot)
        o += std::to_string(1 + rng() % 30) + (slot < 10 ? "," : "");
    return o;
}

TEST(CliState, AMessageFedInPartsPrintsWhatItPrintsWhole) {
    const fs::path dir = TestDir() / "parts";
    fs::create_directories(dir);
    std::mt19937 rng(417);
    for (int round = 0; round < 30; ++round) {
        const fs::path key = dir / "k.key", state = dir / "s.q417";
        ASSERT_EQ(Cli("keygen --seed " + std::to_string(round) + " --output " + key.string()).status, 0);
        const std::string options = RandomOptions(rng, key);
        std::vector<std::string> pieces(rng() % 60);
        for (std::string& p : pieces) p = kPieces[rng() % kPieces.size()];
        // Split anywhere between two characters, also between the CR and the LF of a break.
        std::string whole, part1, part2;
        const std::size_t split = pieces.empty() ? 0 : rng() % (pieces.size() + 1);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            whole += pieces[i];
            (i < split ? part1 : part2) += pieces[i];
        }
        std::ofstream(dir / "whole.txt", std::ios::binary) << whole;
        std::ofstream(dir / "p1.txt", std::ios::binary) << part1;
        std::ofstream(dir / "p2.txt", std::ios::binary) << part2;

        const Result all = Cli("feed --show-state --encoding utf-8" + options + " " + (dir / "whole.txt").string());
        const Result first = Cli("feed --encoding utf-8 --save-state " + state.string() + options +
                                 " " + (dir / "p1.txt").string());
        const Result second = Cli("feed --show-state --encoding utf-8 --state " + state.string() +
                                  " " + (dir / "p2.txt").string());
        ASSERT_EQ(all.status, 0) << all.err;
        ASSERT_EQ(first.status, 0) << first.err;
        ASSERT_EQ(second.status, 0) << second.err;
        EXPECT_EQ(first.out + second.out, all.out) << "round " << round << options;
        EXPECT_EQ(second.err, all.err) << "round " << round << options;  // positions and count
    }
}

// A damaged, hostile or missing state file fails naming the file, and nothing is fed; the
// options given with a state change its settings.
TEST(CliState, BadStatesFailByNameAndOptionsOverride) {
    const fs::path dir = TestDir() / "bad";
    fs::create_directories(dir);
    const fs::path state = dir / "s.q417";
    ASSERT_EQ(Cli("feed --save-state " + state.string(), "ПРИВЕТ").status, 0);
    const std::string good = Slurp(state);
    const std::vector<std::string> damaged = {
        good.substr(0, good.size() / 2), "", "[1, 2]",
        std::string(good).replace(good.find("\"version\": 1"), 12, "\"version\": 2")};
    for (const std::string& bytes : damaged) {
        std::ofstream(state, std::ios::binary | std::ios::trunc) << bytes;
        const Result r = Cli("feed --state " + state.string(), "МИР");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(state.string()), std::string::npos) << r.err;
    }
    EXPECT_EQ(Cli("feed --state " + (dir / "none.q417").string(), "МИР").status, 1);
    EXPECT_EQ(Cli("feed --state " + state.string() + " --config x.ini", "МИР").status, 2);
    std::ofstream(state, std::ios::binary | std::ios::trunc) << good;
    EXPECT_EQ(Cli("feed --rod 0 --state " + state.string(), "МИР").out, "МИР");
}

}  // namespace
}  // namespace q417::testing::cli
