#pragma once
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/temp_dir.h"

// Running the real q417-cli from the command-line tests.
namespace q417::testing::cli {

namespace fs = std::filesystem;

// ctest runs every case as its own process, several at once: each gets a folder of its own.
inline fs::path TestDir() {
    return fs::temp_directory_path() / ("q417_cli_test_" + std::to_string(::getpid()));
}

struct RemoveTestDir : ::testing::Environment {
    void TearDown() override { fs::remove_all(TestDir()); }
};
inline const ::testing::Environment* const kRemoveTestDir =
    ::testing::AddGlobalTestEnvironment(new RemoveTestDir);

struct Result {
    int status;
    std::string out, err;
};

using q417::testing::Slurp;

// Runs a shell line with q417 standing for the program and `input` as standard input.
inline Result Shell(const std::string& line, const std::string& input = "") {
    const fs::path dir = TestDir();
    fs::create_directories(dir);
    const fs::path in = dir / "stdin", out = dir / "stdout", err = dir / "stderr";
    std::ofstream(in, std::ios::binary) << input;
    const std::string cmd = "q417() { " + std::string(Q417_CLI) + " \"$@\"; }; ( " + line + " ) <" +
                            in.string() + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

// Runs q417-cli with the given arguments and standard input.
inline Result Cli(const std::string& args, const std::string& input = "") {
    return Shell("q417 " + args, input);
}

}  // namespace q417::testing::cli
