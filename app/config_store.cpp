#include "app/config_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "io/file_access.h"

namespace q417 {

namespace {

void PutInt32(uint8_t* at, int32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = uint8_t(uint32_t(value) >> (8 * i));
}

int32_t GetInt32(const uint8_t* at) {
    return int32_t(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 |
                   uint32_t(at[3]) << 24);
}

// A name as the header can hold it: up to its first zero byte and at most 35 characters.
std::string_view FieldName(std::string_view name) {
    name = name.substr(0, name.find('\0'));
    return name.substr(0, kNameFieldSize - 1);
}

// A stored name field runs to its zero byte, or fills all 36 bytes when it has none.
std::string StoredName(const uint8_t* field) {
    const uint8_t* end = std::find(field, field + kNameFieldSize, uint8_t{0});
    return std::string(field, end);
}

// Letter case folding of the ASCII letters and the Cyrillic letters of code page 1251, the
// alphabets the machine's names are written in.
uint8_t FoldCase(uint8_t c) {
    if (c >= 'a' && c <= 'z') return uint8_t(c - 'a' + 'A');
    if (c >= 0xE0) return uint8_t(c - 0x20);
    if (c == 0xB8) return 0xA8;
    return c;
}

std::string LockError(const std::string& lock_path, std::string_view reason) {
    return "Cannot take the settings file's lock \"" + lock_path + "\". " + std::string(reason);
}

}  // namespace

std::vector<uint8_t> EncodeRecordHeader(const RecordHeader& header) {
    std::vector<uint8_t> bytes(kRecordHeaderSize, 0);
    PutInt32(&bytes[0], header.Marker);
    const std::string_view section = FieldName(header.Section);
    const std::string_view key = FieldName(header.Key);
    std::copy(section.begin(), section.end(), bytes.begin() + 4);
    std::copy(key.begin(), key.end(), bytes.begin() + 4 + kNameFieldSize);
    PutInt32(&bytes[76], header.DataSize);
    return bytes;
}

RecordHeader DecodeRecordHeader(std::span<const uint8_t, kRecordHeaderSize> bytes) {
    RecordHeader header;
    header.Marker = GetInt32(&bytes[0]);
    header.Section = StoredName(&bytes[4]);
    header.Key = StoredName(&bytes[4 + kNameFieldSize]);
    header.DataSize = GetInt32(&bytes[76]);
    return header;
}

ConfigStore::ConfigStore(std::string path, Access access)
    : path_(std::move(path)), read_only_(access == Access::ReadOnly) {
    if (!read_only_) Lock();
    try {
        Load();
    } catch (...) {
        if (lock_fd_ >= 0) ::close(lock_fd_);
        throw;
    }
}

ConfigStore::~ConfigStore() {
    if (lock_fd_ >= 0) ::close(lock_fd_);  // closing releases the lock
}

// An advisory lock on a file beside the settings, never on the settings file itself: that one
// is replaced by every write, and a lock on the replaced file would guard nothing. The kernel
// drops the lock when its holder dies.
void ConfigStore::Lock() {
    struct stat info {};
    const bool exists = ::stat(path_.c_str(), &info) == 0;
    const std::string lock_path = path_ + ".lock";
    lock_fd_ =
        ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (lock_fd_ < 0) {
        const int err = errno;
        // Without a lock file the folder takes no new file, and the settings file cannot be
        // written either. A lock file that is there but cannot be opened is the lock's own
        // trouble, named as such: the settings file may be quite sound.
        struct stat lock {};
        if (::lstat(lock_path.c_str(), &lock) != 0)
            throw ConfigError(ConfigFault::FileAccess,
                              FileErrorNo(exists ? "write" : "create", path_, err));
        throw ConfigError(
            ConfigFault::FileAccess,
            LockError(lock_path, S_ISLNK(lock.st_mode) ? "It is a link, and a lock is never "
                                                         "taken through a link."
                                                       : std::strerror(err)));
    }
    // Another copy of the program closing at the same moment holds it only briefly.
    for (int tries = 0; ::flock(lock_fd_, LOCK_EX | LOCK_NB) != 0; ++tries) {
        const int err = errno;
        if ((err != EWOULDBLOCK && err != EINTR) || tries >= 500) {
            ::close(lock_fd_);
            lock_fd_ = -1;
            throw ConfigError(ConfigFault::FileAccess,
                              err == EWOULDBLOCK
                                  ? FileError("write", path_, "Another program is writing it.")
                                  : LockError(lock_path, std::strerror(err)));
        }
        ::usleep(20000);
    }
}

void ConfigStore::Load() {
    std::string bytes, error;
    if (!ReadWholeFile(path_, kLargestSettingsFile, bytes, error, "settings file")) {
        struct stat info {};
        if (read_only_ || ::lstat(path_.c_str(), &info) == 0)
            throw ConfigError(ConfigFault::FileAccess, error);
        if (!WriteFileAtomically(path_, {}, error))
            throw ConfigError(ConfigFault::FileAccess, error);
    }
    bytes_.assign(bytes.begin(), bytes.end());
    Index();
}

// Finds the whole headers from the start up to the end of the file, a fragment shorter than a
// header, or a bad header (a negative size is as bad as a wrong marker: it would send the scan
// backwards).
void ConfigStore::Index() {
    entries_.clear();
    damaged_ = cut_short_ = false;
    size_t at = 0;
    while (bytes_.size() - at >= kRecordHeaderSize) {
        std::array<uint8_t, kRecordHeaderSize> header{};
        std::copy_n(bytes_.begin() + ptrdiff_t(at), kRecordHeaderSize, header.begin());
        Decode(header);
        const int32_t marker = GetInt32(&header[0]);
        const int32_t size = GetInt32(&header[76]);
        if (marker != kRecordMarker || size < 0) {
            damaged_ = true;
            break;
        }
        if (bytes_.size() - at - kRecordHeaderSize < size_t(size)) {
            cut_short_ = true;
            entries_.push_back({at, size});
            records_before_damage_ = entries_.size() - 1;
            damage_at_ = at;
            return;
        }
        entries_.push_back({at, size});
        at += kRecordHeaderSize + size_t(size);
    }
    cut_short_ = !damaged_ && at < bytes_.size();
    records_before_damage_ = entries_.size();
    damage_at_ = at;
}

void ConfigStore::StartAfresh() {
    RequireWritable();
    bytes_.clear();
    Index();
    Changed();
}

void ConfigStore::Changed() {
    if (!deferred_) CommitWrites();
}

void ConfigStore::CommitWrites() {
    RequireWritable();
    deferred_ = false;
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
    if (!WriteFileAtomically(path_, bytes, error))
        throw ConfigError(ConfigFault::FileAccess, error);
}

void ConfigStore::Decode(std::span<uint8_t> buffer) {
    for (size_t i = 1; i < buffer.size(); ++i)
        buffer[i] ^= uint8_t(kScrambleKey[(i - 1) % kScrambleKey.size()]);
}

void ConfigStore::RequireWritable() const {
    if (read_only_)
        throw ConfigError(ConfigFault::FileAccess,
                          FileError("write", path_, "It is open for reading only."));
}

// Compares a stored name field with a wanted name without unscrambling the whole header: a
// field's byte at header offset k was XORed with key byte (k - 1) mod 29.
bool ConfigStore::NameIs(size_t header, size_t field, std::string_view name) const {
    name = FieldName(name);
    for (size_t i = 0; i <= name.size() && i < kNameFieldSize; ++i) {
        const size_t k = field + i;
        const uint8_t stored =
            uint8_t(bytes_[header + k] ^ uint8_t(kScrambleKey[(k - 1) % kScrambleKey.size()]));
        if (i == name.size()) return stored == 0;
        if (stored == 0 || FoldCase(stored) != FoldCase(uint8_t(name[i]))) return false;
    }
    return true;  // the name fills all 36 bytes of a field without a terminator
}

const ConfigStore::Entry* ConfigStore::Find(std::string_view section, std::string_view key) const {
    for (const Entry& e : entries_)
        if (NameIs(e.header, 4, section) && NameIs(e.header, 4 + kNameFieldSize, key)) return &e;
    if (damaged_) throw ConfigError(ConfigFault::Damaged, kInvalidFileFormat);
    return nullptr;
}

std::span<const uint8_t> ConfigStore::DataOf(const Entry& e) const {
    const size_t start = e.header + kRecordHeaderSize;
    const size_t n = std::min(size_t(e.size), bytes_.size() - start);
    return std::span(bytes_).subspan(start, n);
}

bool ConfigStore::FindRecord(std::string_view section, std::string_view key, RecordHeader* found) {
    const Entry* e = Find(section, key);
    if (!e) return false;
    if (found) {
        std::array<uint8_t, kRecordHeaderSize> header{};
        std::copy_n(bytes_.begin() + ptrdiff_t(e->header), kRecordHeaderSize, header.begin());
        Decode(header);
        *found = DecodeRecordHeader(header);
    }
    return true;
}

int32_t ConfigStore::ReadBuffer(std::string_view section, std::string_view key,
                                std::span<uint8_t> destination) {
    const Entry* e = Find(section, key);
    if (!e) return -1;
    const std::span<const uint8_t> data = DataOf(*e);
    const size_t n = std::min(destination.size(), data.size());
    std::copy_n(data.begin(), n, destination.begin());
    // The key stream runs from the record's first byte, so its leading bytes decode alone.
    Decode(destination.first(n));
    return int32_t(n);
}

int32_t ConfigStore::ReadStream(std::string_view section, std::string_view key,
                                std::vector<uint8_t>& stream) {
    const Entry* e = Find(section, key);
    if (!e) return -1;
    const std::span<const uint8_t> data = DataOf(*e);
    stream.assign(data.begin(), data.end());
    Decode(stream);
    return e->size;
}

int32_t ConfigStore::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) {
    std::array<uint8_t, 1024> buffer{};
    return ReadBuffer(section, key, buffer) >= 4 ? GetInt32(buffer.data()) : fallback;
}

bool ConfigStore::ReadBool(std::string_view section, std::string_view key, bool fallback) {
    std::array<uint8_t, 1024> buffer{};
    return ReadBuffer(section, key, buffer) >= 1 ? buffer[0] != 0 : fallback;
}

bool ConfigStore::ReadFont(std::string_view section, std::string_view key, FontRecord& font) {
    std::vector<uint8_t> stream;
    if (ReadStream(section, key, stream) <= int32_t(kFontFixedBytes)) return false;
    const auto stored = DecodeFontRecord(stream);
    if (!stored) return false;
    font = *stored;
    return true;
}

void ConfigStore::DeleteRecord(std::string_view section, std::string_view key) {
    RequireWritable();
    // Finding every copy scans to the end, so a damaged file is refused before anything
    // changes.
    if (damaged_) throw ConfigError(ConfigFault::Damaged, kInvalidFileFormat);
    if (!Find(section, key)) return;
    // The machine never stores a name twice, but a file from elsewhere may; a duplicate left
    // behind would come back in place of the value written next. Every copy goes in one pass
    // that moves the records kept down over the gaps, so a file of a million copies costs one
    // move of its bytes, not one per copy.
    size_t to = 0;
    std::vector<Entry> kept;
    kept.reserve(entries_.size());
    size_t end = 0;
    for (const Entry& e : entries_) {
        // A record cut short by the end of the file ends there.
        end = std::min(bytes_.size(), e.header + kRecordHeaderSize + size_t(e.size));
        if (NameIs(e.header, 4, section) && NameIs(e.header, 4 + kNameFieldSize, key)) continue;
        std::copy(bytes_.begin() + ptrdiff_t(e.header), bytes_.begin() + ptrdiff_t(end),
                  bytes_.begin() + ptrdiff_t(to));
        kept.push_back({to, e.size});
        to += end - e.header;
    }
    // A fragment after the last record stays after the records kept.
    std::copy(bytes_.begin() + ptrdiff_t(end), bytes_.end(), bytes_.begin() + ptrdiff_t(to));
    bytes_.resize(to + (bytes_.size() - end));
    entries_ = std::move(kept);
    Changed();
}

int32_t ConfigStore::WriteBuffer(std::string_view section, std::string_view key,
                                 std::span<const uint8_t> data) {
    RequireWritable();
    if (damaged_) throw ConfigError(ConfigFault::Damaged, kInvalidFileFormat);
    const bool deferred = deferred_;
    deferred_ = true;  // the delete and the append reach the file as one change
    DeleteRecord(section, key);
    deferred_ = deferred;
    // A new record must start where the scan will look for it. Bytes after the last whole
    // record (a fragment, or a record the end of the file cut short) would hide it, so they go.
    size_t at = 0;
    if (!entries_.empty()) {
        const Entry& last = entries_.back();
        at = last.header + kRecordHeaderSize + size_t(last.size) <= bytes_.size()
                 ? last.header + kRecordHeaderSize + size_t(last.size)
                 : last.header;
        if (at == last.header) entries_.pop_back();
    }
    bytes_.resize(at);
    RecordHeader header;
    header.Section = std::string(section);
    header.Key = std::string(key);
    header.DataSize = int32_t(data.size());
    std::vector<uint8_t> bytes = EncodeRecordHeader(header);
    Encode(bytes);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    // Scramble a copy: the caller's data stays as it was.
    bytes.assign(data.begin(), data.end());
    Encode(bytes);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    entries_.push_back({at, int32_t(data.size())});
    Changed();
    return int32_t(bytes.size());
}

void ConfigStore::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    std::array<uint8_t, 4> data{};
    PutInt32(data.data(), value);
    WriteBuffer(section, key, data);
}

void ConfigStore::WriteBool(std::string_view section, std::string_view key, bool value) {
    const std::array<uint8_t, 1> data{uint8_t(value ? 1 : 0)};
    WriteBuffer(section, key, data);
}

void ConfigStore::WriteFont(std::string_view section, std::string_view key,
                            const FontRecord& font) {
    WriteBuffer(section, key, EncodeFontRecord(font));
}

void ConfigStore::ForEachRecord(
    const std::function<void(const RecordHeader&, std::span<const uint8_t>)>& visit) {
    std::vector<uint8_t> data;
    for (size_t i = 0; i < entries_.size(); ++i) {
        std::array<uint8_t, kRecordHeaderSize> header{};
        std::copy_n(bytes_.begin() + ptrdiff_t(entries_[i].header), kRecordHeaderSize,
                    header.begin());
        Decode(header);
        const std::span<const uint8_t> stored = DataOf(entries_[i]);
        data.assign(stored.begin(), stored.end());
        Decode(data);
        visit(DecodeRecordHeader(header), data);
    }
    if (damaged_) throw ConfigError(ConfigFault::Damaged, kInvalidFileFormat);
}

}  // namespace q417
