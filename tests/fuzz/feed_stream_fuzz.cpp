// A text fed as it arrives, in pieces cut anywhere, against the same text loaded whole: the
// decoding of UTF-8, the joining of lines and the machine's output must not depend on where
// the pieces were cut.
#include <string>
#include <string_view>
#include <vector>

#include "core/machine.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using q417::fuzz::Require;

// Cuts the text into pieces of 0 to 7 bytes, their lengths drawn from the seed.
std::vector<std::string_view> Pieces(std::string_view text, unsigned seed) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t n = std::min<std::size_t>(text.size(), (seed >> 16) % 8);
        pieces.push_back(text.substr(0, n));
        text.remove_prefix(n);
    }
    return pieces;
}

void CheckDecoding(std::string_view bytes, const std::vector<std::string_view>& pieces) {
    std::string whole, whole_error;
    std::string_view body = bytes;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    const bool whole_ok = q417::Utf8ToCp1251(body, whole, whole_error);

    q417::Utf8ToCp1251Stream stream;
    std::string streamed, error;
    bool ok = true;
    for (std::string_view piece : pieces) ok = ok && stream.Put(piece, streamed, error);
    ok = ok && stream.Finish(streamed, error);
    Require(ok == whole_ok, "pieces decode where the whole does");
    if (ok)
        Require(streamed == whole, "pieces decode to the same text");
    else
        Require(error == whole_error, "pieces fail at the same byte");
}

struct Run {
    std::string output;
    int32_t tech = 0;
    int32_t position1 = 0;
};

Run Whole(const q417::MachineSettings& settings, std::string_view text) {
    q417::Machine m;
    m.settings = settings;
    m.StartUp();
    q417::Printer printer(m);
    m.SetOutputStage(&printer);
    q417::TextFeed feed;
    q417::LoadText(m, printer, feed, text);
    q417::FeedToEnd(m, feed);
    return {printer.OutputText(), m.settings.Tech, m.rotors.Slot(1).Position};
}

Run Streamed(const q417::MachineSettings& settings, const std::vector<std::string_view>& pieces) {
    q417::Machine m;
    m.settings = settings;
    m.StartUp();
    q417::Printer printer(m);
    m.SetOutputStage(&printer);
    Run run;
    q417::StreamFeed feed(m);
    for (std::string_view piece : pieces) {
        feed.Put(piece);
        run.output += printer.OutputText();  // drained as the command line drains it
        printer.ClearTexts();
    }
    feed.Finish();
    Require(!m.state.InputTextLoaded && !m.state.AutoRun,
            "a finished text leaves the machine idle");
    Require(printer.InputText().empty(), "nothing is echoed while a text runs");
    run.output += printer.OutputText();
    run.tech = m.settings.Tech;
    run.position1 = m.rotors.Slot(1).Position;
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    q417::MachineSettings settings = q417::fuzz::TakeSettings(input);
    q417::SanitizeSettings(settings);
    settings.Sound = false;
    unsigned seed = 0;
    if (!input.empty()) {
        seed = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
    }
    const std::vector<std::string_view> pieces = Pieces(input, seed);
    CheckDecoding(input, pieces);
    const Run whole = Whole(settings, input);
    const Run streamed = Streamed(settings, pieces);
    Require(streamed.output == whole.output, "the same output, however the text is cut");
    Require(streamed.tech == whole.tech && streamed.position1 == whole.position1,
            "the machine ends in the same state");
    return 0;
}
