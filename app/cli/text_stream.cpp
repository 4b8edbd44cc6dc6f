#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"
#include "io/cp1251.h"
#include "io/file_access.h"
#include "io/text_file.h"

namespace q417::cli {

namespace {

constexpr std::size_t kPieceSize = 1 << 16;

bool IsRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Decodes one piece of the text into Windows-1251 for the machine.
class PieceDecoder {
public:
    // Only bytes that are not UTF-8 are an error. A character the code page lacks has no key,
    // and the feed skips it as it skips any character without a key, as the window does.
    PieceDecoder(Encoding encoding, const std::string& name)
        : encoding_(encoding), name_(name), utf8_(true) {}

    const std::string& Decode(std::string_view piece) {
        text_.clear();
        if (encoding_ == Encoding::Cp1251)
            text_.assign(piece);
        else if (!utf8_.Put(piece, text_, error_))
            Fail();
        return text_;
    }
    const std::string& Finish() {
        text_.clear();
        if (encoding_ == Encoding::Utf8 && !utf8_.Finish(text_, error_)) Fail();
        return text_;
    }

private:
    [[noreturn]] void Fail() const {
        throw FailedError(Fill("cannot read \"%1\" as UTF-8: %2", {name_, error_}));
    }

    Encoding encoding_;
    std::string name_;
    Utf8ToCp1251Stream utf8_;
    std::string text_, error_;
};

// Runs every piece of the input from where it stands now through `use`.
template <typename Use>
void ForEachPiece(const TextInput& input, Use use) {
    std::string buffer(kPieceSize, '\0');
    for (;;) {
        const long n = ReadSome(input.fd, buffer.data(), buffer.size());
        if (n < 0) throw FailedError(FileErrorNo("read", input.name, errno));
        if (n == 0) return;
        use(std::string_view(buffer.data(), std::size_t(n)));
    }
}

}  // namespace

TextInput::TextInput(const std::optional<std::string>& path) {
    if (!path || *path == "-") {
        fd = STDIN_FILENO;
        name = Tr("standard input");
    } else {
        std::string error;
        fd = OpenRegularFile(*path, error);
        if (fd < 0) throw FailedError(error);
        name = *path;
        owned_ = true;
    }
}

TextInput::~TextInput() {
    if (owned_) ::close(fd);
}

void FeedInput(const TextInput& input, Encoding encoding, MachineSession& session,
               const std::function<void()>& piece_done) {
    if (encoding == Encoding::Auto) {
        // Which encoding a text is in shows only in the whole of it.
        std::string bytes, error;
        if (!ReadWholeStream(input.fd, input.name, kLargestTextFile, "text file", bytes, error))
            throw FailedError(error);
        const std::string text = DecodeTextFile(bytes);
        bytes = std::string();
        session.BeginStream();
        for (std::size_t at = 0; at < text.size(); at += kPieceSize) {
            session.FeedStream(std::string_view(text).substr(at, kPieceSize));
            piece_done();
        }
        session.EndStream();
        piece_done();
        return;
    }
    // A file can be read twice: a text that is not valid UTF-8 is then refused before any of
    // it is fed, as a pipe's cannot be.
    if (encoding == Encoding::Utf8 && IsRegular(input.fd)) {
        const off_t start = ::lseek(input.fd, 0, SEEK_CUR);
        if (start >= 0) {
            PieceDecoder check(encoding, input.name);
            ForEachPiece(input, [&](std::string_view piece) { check.Decode(piece); });
            check.Finish();
            if (::lseek(input.fd, start, SEEK_SET) < 0)
                throw FailedError(FileErrorNo("read", input.name, errno));
        }
    }
    PieceDecoder decoder(encoding, input.name);
    session.BeginStream();
    ForEachPiece(input, [&](std::string_view piece) {
        session.FeedStream(decoder.Decode(piece));
        piece_done();
    });
    session.FeedStream(decoder.Finish());
    session.EndStream();
    piece_done();
}

void WriteOutput(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        throw FailedError(FileErrorNo("write", Tr("standard output"), errno ? errno : EIO));
}

void CloseOutput() {
    int err = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) err = errno ? errno : EIO;
    if (std::fclose(stdout) != 0 && err == 0) err = errno ? errno : EIO;
    if (err != 0) throw FailedError(FileErrorNo("write", Tr("standard output"), err));
}

}  // namespace q417::cli
