#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The texts of the text panel on disk. The machine's texts are Windows-1251 bytes; files are
// written that way, with CR LF line ends. Text files made elsewhere are mostly UTF-8, or
// UTF-16 from Windows editors, so a text file is read by one rule, in the window and in
// q417-cli alike: UTF-16 when a UTF-16 byte-order mark starts it, UTF-8 when it is
// well-formed UTF-8 (a Windows-1251 text with Cyrillic letters practically never is),
// otherwise Windows-1251.
namespace q417 {

enum class TextEncoding { Cp1251, Utf8, Utf16Le, Utf16Be };

// Files larger than this are refused rather than fed: the machine types them one key at a time.
inline constexpr std::size_t kLargestTextFile = 64u << 20;

// UTF-16 (little or big end first) after its byte-order mark FF FE or FE FF; UTF-8 when the
// bytes are well-formed UTF-8 and not plain ASCII (a UTF-8 byte-order mark included);
// otherwise Windows-1251, which plain ASCII is as well.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The file's bytes as Windows-1251 in the encoding DetectTextEncoding finds. A byte-order
// mark is dropped; a character Windows-1251 has no byte for becomes 0x98, the one byte without
// a character, which no key of the machine types, and so does a broken UTF-16 unit (a lone
// half of a surrogate pair, an odd last byte). Line ends are left as they are.
std::string DecodeTextFile(std::string_view bytes);

// A text as a file: every line followed by CR LF (an empty text gives an empty file). Lines
// of the text may end in CR LF, LF or CR.
std::string TextFileBytes(std::string_view cp1251);

// Unicode text (UTF-8) as the Windows-1251 bytes of a file, lines ended by CR LF. Characters
// the code page cannot hold are not dropped: the result is false and `error` names the first
// few of them with their line and column (1-based).
bool EncodeTextFile(std::string_view utf8, std::string& bytes, std::string& error);

// Reads a whole text file (a regular file of at most kLargestTextFile bytes). On failure
// returns false with a message naming the file and giving the system's reason, or the limit.
bool ReadTextFile(const std::string& path, std::string& bytes, std::string& error);

// Writes a file so that it is either wholly written or not changed at all
// (WriteFileAtomically). On failure the target is untouched and `error` says why.
bool WriteTextFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace q417
