// Text files as the text loader and the start key meet them, and the code page conversions.
#include <string>
#include <string_view>

#include "core/machine.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"
#include "io/text_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using q417::fuzz::Require;

// The window around the run: counts the turns of its event loop between two steps, presses
// the stop key at one chosen turn and checks every highlighted position.
struct Hooks {
    q417::Machine* machine = nullptr;
    q417::TextFeed* feed = nullptr;
    long turns = 0;
    long stop_at = -1;
    long limit = 0;

    void Run() {
        if (!feed->BeginRun(*machine)) return;
        for (q417::RunStep step; !step.ended;) {
            ++turns;
            Require(turns <= limit, "the run ends");
            if (turns == stop_at) machine->state.AutoRun = false;
            step = feed->Step(*machine);
            if (feed->RunFeedsText())
                Require(feed->FeedPosition >= 1 && feed->FeedPosition <= feed->FeedLength + 1,
                        "a highlight in the text");
        }
    }
};

void CheckConversions(std::string_view bytes) {
    const std::string utf8 = q417::Cp1251ToUtf8(bytes);
    Require(q417::IsValidUtf8(utf8), "the code page gives well-formed UTF-8");
    std::string back, error;
    const bool convertible = q417::Utf8ToCp1251(utf8, back, error);
    if (bytes.find('\x98') == std::string_view::npos)
        Require(convertible && back == bytes, "every character but 0x98 comes back");

    std::string from_utf8;
    if (q417::Utf8ToCp1251(bytes, from_utf8, error))
        Require(q417::IsValidUtf8(bytes) && q417::Cp1251ToUtf8(from_utf8) == bytes,
                "a UTF-8 text converts both ways");
    else
        Require(from_utf8.empty() && !error.empty(), "a refused text says where");
}

bool EndsWithLineBreak(std::string_view bytes) {
    return bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
}

// Saving a text and loading the file again gives the same text to feed.
void CheckTextFiles(std::string_view file, const std::string& text) {
    const std::string saved = q417::TextFileBytes(text);
    Require(saved.empty() == text.empty(), "only an empty text saves as an empty file");
    Require(saved.empty() || EndsWithLineBreak(saved), "every saved line ends in CR LF");
    Require(q417::JoinLines(q417::DecodeTextFile(saved)) == q417::JoinLines(text) ||
                q417::DetectTextEncoding(saved) != q417::TextEncoding::Cp1251,
            "a saved text loads back unchanged");

    std::string bytes, error;
    if (q417::EncodeTextFile(file, bytes, error))
        Require(bytes.empty() || EndsWithLineBreak(bytes), "an encoded file ends its lines");
    else
        Require(!error.empty(), "a text that cannot be saved says why");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    q417::Machine m;
    m.settings = q417::fuzz::TakeSettings(input);
    // The turn of the run loop at which the stop key is pressed (0: never).
    long stop_at = 0;
    if (!input.empty()) {
        stop_at = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
    }
    m.StartUp();
    q417::Printer printer(m);
    m.SetOutputStage(&printer);
    q417::TextFeed feed;
    // The text panel's loader: the file's encoding found, then its lines joined.
    const std::string text = q417::DecodeTextFile(input);
    q417::LoadText(m, printer, feed, text);
    Require(printer.InputText() == feed.Text(), "the input text is the loaded text");
    Require(feed.FeedLength == q417::FeedLengthOf(feed.Text()), "the feed runs over the text");

    Hooks hooks;
    hooks.machine = &m;
    hooks.feed = &feed;
    hooks.stop_at = stop_at;
    hooks.limit = 2L * feed.FeedLength + 64;
    // The start key again after every stop, until the text is used up.
    for (int starts = 0; m.state.InputTextLoaded; ++starts) {
        Require(starts <= feed.FeedLength + 1, "every start feeds");
        m.state.AutoRun = true;
        hooks.Run();
        Require(!m.state.AutoRun, "a run ends with the machine stopped");
    }
    // Without a text the start key presses one key until stopped.
    hooks.stop_at = hooks.turns + 3;
    m.state.AutoRun = true;
    hooks.Run();

    Require(m.settings.Tech >= 0 && m.settings.Tech <= 9999, "the count wraps");
    Require(printer.GroupPosition() >= 0 && printer.GroupPosition() <= 4, "groups of five");
    CheckConversions(input);
    CheckTextFiles(input, text);
    CheckConversions(printer.OutputText());
    return 0;
}
