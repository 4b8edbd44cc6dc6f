#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "key/key_table.h"

namespace q417 {

// A key on disk: exactly 80 bytes, no header. The card's 30 columns, then for slots 1..10 the
// bodies, cores, sides, ring settings minus 1 and core settings minus 1. Note that the file's
// row order (body, core, side, ring, core setting) is not the key table's.
inline constexpr std::size_t kKeyFileSize = 80;
using KeyFileBytes = std::array<uint8_t, kKeyFileSize>;

struct KeyFileContents {
    std::array<int32_t, 31> card{};  // rows 1..30: column of the hole, 0 = none
    KeyTable table;
};

// Each byte is the low 8 bits of its entry (settings minus 1), so an unset setting of a slot
// not in use is written as 255. The settings of slots beyond `slots_in_use` hold a file's
// bytes as DecodeKeyFile left them and go back unchanged.
KeyFileBytes EncodeKeyFile(const std::array<int32_t, 31>& card, const KeyTable& table,
                           int slots_in_use = 10);

// Reads a key file's bytes, checking everything before anything is handed on: fewer than 80
// bytes gives "Read beyond end of file"; a card column outside 0..30 or used twice is refused.
// The settings of slots 1..rotors_in_use get their 1 back; slots beyond keep the byte value.
// The table is not checked here: an invalid one is shown but not applied.
bool DecodeKeyFile(std::string_view bytes, int rotors_in_use, KeyFileContents& out,
                   std::string& error);

// The key number a file name gives: its first two characters when both are digits, else 0.
// The name is taken without its directory.
int32_t KeyNumberFromFileName(std::string_view path);

// The name the save dialog proposes: the date as ddmmyy followed by ".key".
std::string ProposedKeyFileName(int day, int month, int year);

// Reads the first 80 bytes of a regular file. False with a message naming the file when it
// cannot be read or is shorter ("Read beyond end of file").
bool ReadKeyFileBytes(const std::string& path, std::string& bytes, std::string& error);
// Writes all 80 bytes or leaves an existing file as it was (WriteFileAtomically). A new key
// file is made readable and writable by its owner only.
bool WriteKeyFileBytes(const std::string& path, const KeyFileBytes& bytes, std::string& error);

}  // namespace q417
