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

// The two kinds of trouble with a settings file. Callers decide by the kind, never by the
// wording of the message.
enum class ConfigFault {
    FileAccess,  // the file or its lock could not be opened, created or written; the message
                 // names the file and gives the reason
    Damaged,     // a record without a valid header: kInvalidFileFormat, naming no file
};

// A settings file that cannot be opened or created, a damaged record, or a write the disk
// refused. what() is the message the window shows the user.
class ConfigError : public std::runtime_error {
public:
    ConfigError(ConfigFault kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    ConfigFault kind() const { return kind_; }

private:
    ConfigFault kind_;
};

// The same trouble kept as a value, for callers that report it rather than throw it.
struct ConfigFailure {
    ConfigFault kind = ConfigFault::FileAccess;
    std::string message;
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
// scrambled. The store reads the whole file when it opens and keeps it in memory, so every
// lookup and change costs one pass over memory, not over the disk. Each change replaces the
// file whole (WriteFileAtomically), unless writes are deferred; then CommitWrites writes them
// all at once. Section and key names are matched ignoring letter case; a lookup takes the
// first match. A header whose marker is wrong (or whose size is negative) stops any lookup
// that reaches it with ConfigError(kInvalidFileFormat); records before it stay readable, and
// nothing in a damaged file is ever changed.
class ConfigStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    // ReadWrite takes the settings file's lock (the file NAME.lock beside it, so that one
    // program at a time changes the file, waiting a few seconds for another to finish), then
    // reads the file, creating it empty when missing. ReadOnly only reads the file: it never
    // creates, locks or changes anything, and writes fail with ConfigError.
    explicit ConfigStore(std::string path, Access access = Access::ReadWrite);
    ~ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    const std::string& FileName() const { return path_; }
    // The file's bytes as they were read or last written.
    const std::vector<uint8_t>& FileBytes() const { return bytes_; }
    // A bad header stands somewhere in the file.
    bool Damaged() const { return damaged_; }
    // The file ends inside a record: its header or its data was cut short. The records read
    // as far as they go, but rewriting the file would lose the cut record.
    bool CutShort() const { return cut_short_; }
    // Where the bad header or the cut record begins (the file's size when there is none), and
    // how many whole records stand before it.
    size_t DamageAt() const { return damage_at_; }
    size_t RecordsBeforeDamage() const { return records_before_damage_; }
    // Forgets every record, a damaged file's included: the next commit writes only what is
    // written from now on.
    void StartAfresh();

    // Changes stay in memory until CommitWrites, which replaces the file once.
    void DeferWrites() { deferred_ = true; }
    bool WritesDeferred() const { return deferred_; }
    void CommitWrites();

    // The XOR scrambling of one buffer: byte 0 stays, byte i is XORed with key byte (i-1)
    // mod 29. Each buffer starts the key stream afresh, so it is its own inverse.
    static void Decode(std::span<uint8_t> buffer);
    static void Encode(std::span<uint8_t> buffer) { Decode(buffer); }

    // True when the record exists; the header (unscrambled) is returned.
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
    // (unscrambled), for listing a file. Throws at a bad header after visiting the earlier ones.
    void ForEachRecord(
        const std::function<void(const RecordHeader&, std::span<const uint8_t>)>& visit);

private:
    // Where one whole header stands and the data size it claims.
    struct Entry {
        size_t header;
        int32_t size;
    };

    void Lock();
    void Load();
    void Index();
    void Changed();
    const Entry* Find(std::string_view section, std::string_view key) const;
    bool NameIs(size_t header, size_t field, std::string_view name) const;
    std::span<const uint8_t> DataOf(const Entry& entry) const;
    void RequireWritable() const;

    std::string path_;
    bool read_only_ = false;
    int lock_fd_ = -1;
    bool deferred_ = false;
    std::vector<uint8_t> bytes_;
    std::vector<Entry> entries_;
    bool damaged_ = false;
    bool cut_short_ = false;
    size_t damage_at_ = 0;
    size_t records_before_damage_ = 0;
};

// The largest settings file read: far more than a machine ever writes (fourteen records of
// about a hundred bytes), yet room for a file that some other tool filled with a million
// records, which is still read and cleaned up rather than refused.
inline constexpr size_t kLargestSettingsFile = 128u << 20;

}  // namespace q417
