#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/cli/cli.h"
#include "core/machine.h"
#include "core/trace.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"

namespace q417::cli {

namespace {

constexpr std::size_t kPiece = 1 << 16;  // bytes read at a time
constexpr std::size_t kFlushAt = 1 << 16;

// Writes one JSON object per key press: the contact pressed, the contacts along the path,
// the contact and the character printed, and the positions after the step.
class TraceWriter : public KeyPressTracer {
public:
    TraceWriter(const Machine& machine, const Printer& printer)
        : machine_(machine), printer_(printer) {}

    void KeyPressTraced(const KeyPressTrace& t) override {
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
        if (!line_.empty() && std::fwrite(line_.data(), 1, line_.size(), stdout) != line_.size())
            throw FailedError("cannot write the trace");
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

    const Machine& machine_;
    const Printer& printer_;
    std::string line_;
};

// The input text read a piece at a time and made into what the text loader makes of a whole
// file: decoded to Windows-1251 (a byte-order mark dropped) and its lines joined by CR LF,
// with no break after the last line. Memory stays the same whatever the length of the text.
class TextPieces {
public:
    TextPieces(const std::optional<std::string>& path, Encoding encoding)
        : encoding_(encoding), name_(path.value_or("standard input")) {
        if (!path || *path == "-") {
            file_ = stdin;
        } else {
            errno = 0;
            file_ = std::fopen(path->c_str(), "rb");
            if (!file_) Fail(errno ? errno : ENOENT);
            owned_.reset(file_);
        }
    }

    // The next piece of the joined text; false at the end.
    bool Next(std::string& joined) {
        joined.clear();
        while (joined.empty()) {
            if (at_end_) return false;
            std::string text = Decode(Read());
            for (const char c : text) Join(c, joined);
        }
        return true;
    }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    [[noreturn]] void Fail(int error) const {
        throw FailedError("cannot read \"" + name_ + "\": " + std::strerror(error));
    }

    // The next raw bytes to decode, starting with any held back from the last piece: a UTF-8
    // sequence that the end of a piece cuts in two waits there for the rest of it.
    std::string Read() {
        std::string bytes = std::move(held_);
        held_.clear();
        const std::size_t start = bytes.size();
        bytes.resize(start + kPiece);
        const std::size_t got = std::fread(bytes.data() + start, 1, kPiece, file_);
        bytes.resize(start + got);
        if (got < kPiece) {
            if (std::ferror(file_)) Fail(errno ? errno : EIO);
            at_end_ = true;
        }
        if (first_ && encoding_ == Encoding::Utf8 && bytes.starts_with("\xEF\xBB\xBF"))
            bytes.erase(0, 3);
        first_ = false;
        if (!at_end_ && encoding_ == Encoding::Utf8) HoldUnfinishedSequence(bytes);
        return bytes;
    }

    void HoldUnfinishedSequence(std::string& bytes) {
        for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
            if ((b & 0xC0) == 0x80) continue;  // a continuation byte: look further back
            const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            if (length > back) {
                held_ = bytes.substr(bytes.size() - back);
                bytes.resize(bytes.size() - back);
            }
            return;
        }
    }

    std::string Decode(const std::string& bytes) {
        if (encoding_ == Encoding::Cp1251) return bytes;
        std::string text, error;
        if (!Utf8ToCp1251(bytes, text, error, decoded_))
            throw FailedError("cannot read \"" + name_ + "\" as UTF-8 for the machine: " + error);
        decoded_ += bytes.size();
        return text;
    }

    // A line break (CR LF, LF or CR) becomes CR LF once something follows it.
    void Join(char c, std::string& joined) {
        if (after_cr_ && c == '\n') {
            after_cr_ = false;
            return;
        }
        after_cr_ = false;
        if (break_pending_) joined += "\r\n";
        break_pending_ = c == '\r' || c == '\n';
        if (break_pending_)
            after_cr_ = c == '\r';
        else
            joined += c;
    }

    Encoding encoding_;
    std::string name_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<std::FILE, Closer> owned_;
    std::string held_;
    std::size_t decoded_ = 0;  // UTF-8 bytes decoded so far, for the place of an error
    bool first_ = true;
    bool at_end_ = false;
    bool break_pending_ = false;
    bool after_cr_ = false;
};

}  // namespace

// Feeds the text exactly as feed does, piece by piece, and writes the trace of every key
// press instead of the output text.
int RunTrace(const std::vector<std::string>& args) {
    const FeedOptions o = ParseFeedOptions(args);
    Machine m;
    PrepareMachine(o, m);
    TextPieces pieces(o.text_file, o.encoding);

    const Printer printer(m);  // for the characters only: the texts are not kept
    TraceWriter writer(m, printer);
    m.SetTracer(&writer);
    TextFeed feed;
    std::string piece;
    while (pieces.Next(piece)) {
        feed.Load(std::move(piece));
        m.state.InputTextLoaded = true;
        TypeLoadedText(m, feed);
        writer.Flush();
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw FailedError("cannot write the trace");
    if (o.show_state) ShowState(m);
    return 0;
}

}  // namespace q417::cli
