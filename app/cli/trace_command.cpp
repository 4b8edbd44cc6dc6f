#include <cstdio>
#include <cstring>
#include <string>

#include "app/cli/cli.h"
#include "core/machine.h"
#include "core/trace.h"
#include "app/machine_session.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"

namespace q417::cli {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

// Writes one JSON object per key press: the contact pressed, the contacts along the path,
// the contact and the character printed, and the positions after the step.
class TraceWriter : public SessionEvents {
public:
    explicit TraceWriter(const MachineSession& session)
        : session_(session), machine_(session.machine()), printer_(session.printer()) {}

    void KeyPressDone() override { Write(*session_.LastKeyPressTrace()); }

    void Write(const KeyPressTrace& t) {
        line_ += "{\"in\":";
        Number(t.input);
        line_ += ",\"path\":[";
        for (std::size_t i = 0; i < t.points.size(); ++i) {
            if (i > 0) line_ += ',';
            Number(t.points[i].contact);
        }
        line_ += "],\"out\":";
        Number(t.output);
        line_ += ",\"char\":\"";
        // The register has not moved unless the contact was a shift, which prints nothing.
        if (t.printed) {
            const auto c =
                static_cast<char>(printer_.OutputChar(t.output, machine_.settings.Machine));
            Escaped(Cp1251ToUtf8(std::string_view(&c, 1)));
        }
        line_ += "\",\"positions\":[";
        for (int slot = 1; slot <= 10; ++slot) {
            if (slot > 1) line_ += ',';
            Number(t.positions_after[slot]);
        }
        line_ += "]}\n";
        if (line_.size() >= kFlushAt) Flush();
    }

    void Flush() {
        WriteOutput(line_);
        line_.clear();
    }

private:
    void Number(int32_t v) { line_ += std::to_string(v); }
    void Escaped(const std::string& utf8) {
        for (const char c : utf8) {
            if (c == '"' || c == '\\') {
                line_ += '\\';
                line_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                line_ += code;
            } else {
                line_ += c;
            }
        }
    }

    const MachineSession& session_;
    const Machine& machine_;
    const Printer& printer_;
    std::string line_;
};

}  // namespace

// Feeds the text exactly as feed does, piece by piece, and writes the trace of every key
// press instead of the output text.
int RunTrace(const std::vector<std::string>& args) {
    const FeedOptions o = ParseFeedOptions(args);
    MachineSession session;
    PrepareSession(o, session);
    const TextInput input(o.text_file);

    // The printer prints as for feed, so that the register moves the same way; its texts
    // are dropped after every piece, and the trace of each piece goes out at once.
    TraceWriter writer(session);
    session.SetEvents(&writer);
    if (o.state_file || o.save_state_file) {
        FeedWholeText(o, input, session);
        writer.Flush();
        session.SetEvents(nullptr);
        SaveStateIfAsked(o, session);
        if (o.show_state) ShowState(session.machine());
        return 0;
    }
    FeedInput(input, o.encoding, session, [&] {
        session.TakeTexts();
        writer.Flush();
    });
    session.SetEvents(nullptr);
    if (o.show_state) ShowState(session.machine());
    return 0;
}

}  // namespace q417::cli
