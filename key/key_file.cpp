#include "key/key_file.h"

#include <cstdio>

#include "io/file_access.h"

namespace q417 {

namespace {

// The file's rows in their order, and whether the stored byte is the value minus 1.
struct FileRow {
    KeyTable::Row row;
    bool minus_one;
};
constexpr FileRow kFileRows[5] = {{KeyTable::kRotorNumber, false},
                                  {KeyTable::kCoreNumber, false},
                                  {KeyTable::kCoreSide, false},
                                  {KeyTable::kRingSetting, true},
                                  {KeyTable::kCoreSetting, true}};

}  // namespace

KeyFileBytes EncodeKeyFile(const std::array<int32_t, 31>& card, const KeyTable& table,
                           int slots_in_use) {
    KeyFileBytes bytes{};
    for (int r = 1; r <= 30; ++r) bytes[r - 1] = static_cast<uint8_t>(card[r]);
    std::size_t at = 30;
    for (const FileRow& fr : kFileRows)
        for (int slot = 1; slot <= 10; ++slot)
            bytes[at++] = static_cast<uint8_t>(
                table.at(fr.row, slot) - (fr.minus_one && slot <= slots_in_use ? 1 : 0));
    return bytes;
}

bool DecodeKeyFile(std::string_view bytes, int rotors_in_use, KeyFileContents& out,
                   std::string& error) {
    if (bytes.size() < kKeyFileSize) {
        error = "Read beyond end of file";
        return false;
    }
    KeyFileContents k;
    std::array<int, 31> row_of_column{};
    for (int r = 1; r <= 30; ++r) {
        const int c = static_cast<uint8_t>(bytes[r - 1]);
        if (c > 30) {
            error = "Invalid punch card: row " + std::to_string(r) + " has column " +
                    std::to_string(c) + " (columns are 1 to 30)";
            return false;
        }
        if (c > 0 && row_of_column[c] != 0) {
            error = "Invalid punch card: rows " + std::to_string(row_of_column[c]) + " and " +
                    std::to_string(r) + " are both punched in column " + std::to_string(c);
            return false;
        }
        if (c > 0) row_of_column[c] = r;
        k.card[r] = c;
    }
    std::size_t at = 30;
    for (const FileRow& fr : kFileRows)
        for (int slot = 1; slot <= 10; ++slot) {
            int32_t v = static_cast<uint8_t>(bytes[at++]);
            if (fr.minus_one && slot <= rotors_in_use) v += 1;
            k.table.at(fr.row, slot) = v;
        }
    out = k;
    return true;
}

int32_t KeyNumberFromFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (name.size() < 2 || !digit(name[0]) || !digit(name[1])) return 0;
    return (name[0] - '0') * 10 + (name[1] - '0');
}

std::string ProposedKeyFileName(int day, int month, int year) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d.key", day % 100, month % 100, year % 100);
    return buf;
}

bool ReadKeyFileBytes(const std::string& path, std::string& bytes, std::string& error) {
    if (!ReadFileStart(path, kKeyFileSize, bytes, error)) return false;
    if (bytes.size() < kKeyFileSize) {
        error = FileError("read", path, "Read beyond end of file");
        return false;
    }
    return true;
}

bool WriteKeyFileBytes(const std::string& path, const KeyFileBytes& bytes, std::string& error) {
    // A key is secret: a new key file is readable by its owner only, as key generators make
    // theirs. A file that is replaced keeps the mode its owner gave it.
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error,
        0600);
}

}  // namespace q417
