#include <string>

#include "app/cli/cli.h"
#include "app/machine_state.h"
#include "io/cp1251.h"
#include "io/file_access.h"
#include "io/text_file.h"

namespace q417::cli {

namespace {

// The whole text in Windows-1251, read as feed reads it piece by piece.
std::string ReadWholeText(const TextInput& input, Encoding encoding) {
    std::string bytes, error;
    if (!ReadWholeStream(input.fd, input.name, kLargestTextFile, "text file", bytes, error))
        throw FailedError(error);
    if (encoding == Encoding::Auto) return DecodeTextFile(bytes);
    if (encoding == Encoding::Cp1251) return bytes;
    // As piece by piece: only bytes that are not UTF-8 are refused; a character the code
    // page lacks has no key and is passed over by the feed.
    std::string text;
    Utf8ToCp1251Stream utf8(true);
    if (!utf8.Put(bytes, text, error) || !utf8.Finish(text, error))
        throw FailedError("cannot read \"" + input.name + "\" as UTF-8: " + error);
    return text;
}

}  // namespace

// The text goes in as the window's "load text" puts it (replacing a loaded text the state
// held, the output text kept) and is fed to its end, the start key pressed again after every
// asterisk stop.
std::string FeedWholeText(const FeedOptions& o, const TextInput& input, MachineSession& session) {
    // A line break the saved text ended with was not fed: now that more follows, it is.
    std::string text = session.PendingLineBreak() + ReadWholeText(input, o.encoding);
    const std::size_t before = session.printer().OutputText().size();
    session.LoadText(text);
    text = std::string();
    session.FeedToEnd();
    return session.printer().OutputText().substr(before);
}

void SaveStateIfAsked(const FeedOptions& o, const MachineSession& session) {
    if (!o.save_state_file) return;
    const std::string& path = *o.save_state_file;
    const std::string refusal = session.CaptureRefusal();
    if (!refusal.empty()) throw FailedError("cannot save the machine state: " + refusal);
    const std::string bytes = WriteMachineState(session.CaptureState());
    // A state no reader would open again is not written.
    if (bytes.size() > kStateFileLimit)
        throw FailedError(FileError("write", path,
                                    "The machine state would be larger than 16 MiB, more than "
                                    "a state file may hold; feed the text in parts."));
    std::string error;
    if (!WriteFileAtomically(path, bytes, error)) throw FailedError(error);
}

}  // namespace q417::cli
