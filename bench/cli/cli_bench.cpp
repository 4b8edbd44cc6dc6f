#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Ten megabytes of UTF-8 Russian text in lines of 70 letters and spaces.
std::string TenMegabyteFile() {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "q417_bench_10mb.txt";
    if (!std::filesystem::exists(path)) {
        const char* letters[] = {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К", "Л", "М",
                                 "Н", "О", "П", "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш",
                                 "Щ", "Ы", "Ь", "Ю", "Я", "Й", " "};
        std::ofstream out(path, std::ios::binary);
        uint32_t seed = 1;
        std::size_t bytes = 0;
        for (int i = 0; bytes < 10'000'000; ++i) {
            seed = seed * 1103515245u + 12345u;
            const std::string letter = letters[(seed >> 16) % 31];
            out << letter;
            bytes += letter.size();
            if (i % 70 == 69) out << '\n', ++bytes;
        }
    }
    return path.string();
}

// The whole command: decoding, feeding, printing and encoding, as scripts call it.
void BM_CliFeedTenMegabytes(benchmark::State& state) {
    const std::string text = TenMegabyteFile();
    const std::string command = std::string(Q417_CLI) + " feed --rod 1 " + text + " >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("q417-cli failed");
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(text)));
}
BENCHMARK(BM_CliFeedTenMegabytes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
