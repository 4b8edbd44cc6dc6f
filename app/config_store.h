#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/font_record.h"

namespace q417 {

// A settings file that cannot be opened or created, a damaged record, or a write the disk
// refused. what() is the message the window shows the user.
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kInvalidFileFormat = "Invalid file format.";

// Every record starts with this marker; anything else means a damaged file or another key.
inline constexpr int32_t kRecordMarker = 274;
inline constexpr size_t kRecordHeaderSize = 80;
// Section and key fields: up to 35 characters and a terminating zero.
inline constexpr size_t kNameFieldSize = 36;
inline constexpr std::string_view kScrambleKey = "MZZUfcVysQcwaPDaXyfbuyaqfw6av";
static_assert(kScrambleKey.size() == 29);
static_assert(4 + 2 * kNameFieldSize + 4 == kRecordHeaderSize);

// The unscrambled header of one record: marker at 0, section at 4, key at 40, data size at 76.
struct RecordHeader {
    int32_t Marker = kRecordMarker;
    std::string Section;
    std::string Key;
    int32_t DataSize = 0;
};

// The 80 plain bytes of a header; the name fields are zero-filled after their terminator.
std::vector<uint8_t> EncodeRecordHeader(const RecordHeader& header);
RecordHeader DecodeRecordHeader(std::span<const uint8_t, kRecordHeaderSize> bytes);

// The settings file: a plain run of keyed records, each an 80-byte header and its data, both
// scrambled. The file stays open for the life of the store and every write goes straight to
// it. Section and key names are matched ignoring letter case; a lookup takes the first match.
// A header whose marker is wrong (or whose size is negative) stops any lookup that reaches it
// with ConfigError(kInvalidFileFormat); records before it stay readable.
class ConfigStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    // ReadWrite opens the file for reading and writing, creating it empty when missing.
    // ReadOnly never creates or changes anything; writes then fail with ConfigError.
    explicit ConfigStore(std::string path, Access access = Access::ReadWrite);
    ~ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    const std::string& FileName() const { return path_; }

    // The XOR scrambling of one buffer: byte 0 stays, byte i is XORed with key byte (i-1)
    // mod 29. Each buffer starts the key stream afresh, so it is its own inverse.
    static void Decode(std::span<uint8_t> buffer);
    static void Encode(std::span<uint8_t> buffer) { Decode(buffer); }

    // True when the record exists; the read position is then just after its header.
    bool FindRecord(std::string_view section, std::string_view key, RecordHeader* header = nullptr);
    // Reads the record's leading bytes into the destination (no more than it holds) and
    // unscrambles them. Returns the count the file delivered, or -1 without such a record.
    int32_t ReadBuffer(std::string_view section, std::string_view key,
                       std::span<uint8_t> destination);
    // Replaces the stream with the record's unscrambled data (shorter than the record's size
    // when the file ends inside it). Returns the record's DataSize, or -1 without it.
    int32_t ReadStream(std::string_view section, std::string_view key,
                       std::vector<uint8_t>& stream);
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback);
    bool ReadBool(std::string_view section, std::string_view key, bool fallback);
    // Replaces the font with the stored one; false (font unchanged) without a usable record.
    bool ReadFont(std::string_view section, std::string_view key, FontRecord& font);

    // Removes the record (every copy, should a foreign file hold several); the later records
    // move down and the file is cut.
    void DeleteRecord(std::string_view section, std::string_view key);
    // Deletes any record of that name, then appends a new one after the last whole record.
    // Returns the number of bytes of its last write (the data's).
    int32_t WriteBuffer(std::string_view section, std::string_view key,
                        std::span<const uint8_t> data);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFont(std::string_view section, std::string_view key, const FontRecord& font);

    // Visits every record from the start with its header and the data the file delivered
    // (unscrambled), for listing a file; the visitor must not use the store. Throws at a bad header
    // after visiting the earlier ones.
    void ForEachRecord(
        const std::function<void(const RecordHeader&, std::span<const uint8_t>)>& visit);

private:
    [[noreturn]] void Fail(const char* what, int error) const;
    int64_t FileSize() const;
    size_t ReadAt(int64_t offset, std::span<uint8_t> buffer) const;
    void WriteAt(int64_t offset, std::span<const uint8_t> buffer);
    void Truncate(int64_t size);
    bool NextHeader(RecordHeader& header);
    int64_t EndOfRecords();
    bool DeleteFirst(std::string_view section, std::string_view key);
    void RequireWritable() const;

    std::string path_;
    int fd_ = -1;
    bool read_only_ = false;
    int64_t position_ = 0;
};

}  // namespace q417
