#include "app/config_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

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

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(uint8_t(x)) == FoldCase(uint8_t(y));
           });
}

std::string Quoted(const char* format, const std::string& path, const char* reason) {
    return std::string(format) + " \"" + path + "\". " + reason;
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
    // Non-blocking so that a pipe or device given by mistake cannot stall the open.
    const int flags = (read_only_ ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK;
    fd_ = ::open(path_.c_str(), flags);
    if (fd_ < 0 && errno == ENOENT && !read_only_) {
        fd_ = ::open(path_.c_str(), flags | O_CREAT, 0666);
        if (fd_ < 0) Fail("Cannot create file", errno);
    }
    if (fd_ < 0) Fail("Cannot open file", errno);
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd_);
        fd_ = -1;
        Fail("Cannot open file", error);
    }
}

ConfigStore::~ConfigStore() {
    if (fd_ >= 0) ::close(fd_);
}

void ConfigStore::Fail(const char* what, int error) const {
    throw ConfigError(Quoted(what, path_, std::strerror(error)));
}

void ConfigStore::Decode(std::span<uint8_t> buffer) {
    for (size_t i = 1; i < buffer.size(); ++i)
        buffer[i] ^= uint8_t(kScrambleKey[(i - 1) % kScrambleKey.size()]);
}

int64_t ConfigStore::FileSize() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) Fail("Cannot read file", errno);
    return info.st_size;
}

size_t ConfigStore::ReadAt(int64_t offset, std::span<uint8_t> buffer) const {
    size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::pread(fd_, buffer.data() + done, buffer.size() - done, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail("Cannot read file", errno);
        if (n == 0) break;
        done += size_t(n);
    }
    return done;
}

void ConfigStore::WriteAt(int64_t offset, std::span<const uint8_t> buffer) {
    size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::pwrite(fd_, buffer.data() + done, buffer.size() - done, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail("Cannot write file", n < 0 ? errno : ENOSPC);
        done += size_t(n);
    }
}

void ConfigStore::Truncate(int64_t size) {
    if (::ftruncate(fd_, size) != 0) Fail("Cannot write file", errno);
}

void ConfigStore::RequireWritable() const {
    if (read_only_)
        throw ConfigError(Quoted("Cannot write file", path_, "It is open for reading only."));
}

// Reads the header at the current position and leaves the position after it. False at the
// end of the records (no room left for a whole header).
bool ConfigStore::NextHeader(RecordHeader& header) {
    std::array<uint8_t, kRecordHeaderSize> bytes{};
    if (ReadAt(position_, bytes) < bytes.size()) return false;
    Decode(bytes);
    header = DecodeRecordHeader(bytes);
    // A negative size would send the scan backwards for ever; it is as damaged as a bad marker.
    if (header.Marker != kRecordMarker || header.DataSize < 0)
        throw ConfigError(kInvalidFileFormat);
    position_ += int64_t(kRecordHeaderSize);
    return true;
}

bool ConfigStore::FindRecord(std::string_view section, std::string_view key, RecordHeader* found) {
    section = FieldName(section);
    key = FieldName(key);
    position_ = 0;
    RecordHeader header;
    while (NextHeader(header)) {
        if (SameName(header.Section, section) && SameName(header.Key, key)) {
            if (found) *found = std::move(header);
            return true;
        }
        position_ += header.DataSize;
    }
    return false;
}

int32_t ConfigStore::ReadBuffer(std::string_view section, std::string_view key,
                                std::span<uint8_t> destination) {
    RecordHeader header;
    if (!FindRecord(section, key, &header)) return -1;
    const auto wanted = destination.first(std::min(destination.size(), size_t(header.DataSize)));
    const size_t delivered = ReadAt(position_, wanted);
    // The key stream runs from the record's first byte, so its leading bytes decode alone.
    Decode(wanted.first(delivered));
    return int32_t(delivered);
}

int32_t ConfigStore::ReadStream(std::string_view section, std::string_view key,
                                std::vector<uint8_t>& stream) {
    RecordHeader header;
    if (!FindRecord(section, key, &header)) return -1;
    // Never more than the file still holds, whatever size a damaged header claims.
    const int64_t available = std::max<int64_t>(0, FileSize() - position_);
    stream.assign(size_t(std::min<int64_t>(header.DataSize, available)), 0);
    stream.resize(ReadAt(position_, stream));
    Decode(stream);
    return header.DataSize;
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
    // The machine never stores a name twice, but a file from elsewhere may; a duplicate left
    // behind would come back in place of the value written next.
    while (DeleteFirst(section, key)) {
    }
}

bool ConfigStore::DeleteFirst(std::string_view section, std::string_view key) {
    RecordHeader header;
    if (!FindRecord(section, key, &header)) return false;
    const int64_t start = position_ - int64_t(kRecordHeaderSize);
    const int64_t end = position_ + header.DataSize;
    const int64_t size = FileSize();
    // A record cut short by the end of the file is simply dropped; cutting the file by its
    // claimed size would also take away records before it.
    if (end >= size) {
        Truncate(start);
        return true;
    }
    std::vector<uint8_t> chunk(64 * 1024);
    for (int64_t from = end, to = start; from < size;) {
        const size_t n = ReadAt(
            from,
            std::span(chunk).first(size_t(std::min<int64_t>(int64_t(chunk.size()), size - from))));
        if (n == 0) break;
        WriteAt(to, std::span(chunk).first(n));
        from += int64_t(n);
        to += int64_t(n);
    }
    Truncate(size - (end - start));
    return true;
}

int64_t ConfigStore::EndOfRecords() {
    position_ = 0;
    const int64_t size = FileSize();
    RecordHeader header;
    while (NextHeader(header)) {
        if (position_ + header.DataSize > size) return position_ - int64_t(kRecordHeaderSize);
        position_ += header.DataSize;
    }
    return position_;
}

int32_t ConfigStore::WriteBuffer(std::string_view section, std::string_view key,
                                 std::span<const uint8_t> data) {
    DeleteRecord(section, key);
    // A new record must start where the scan will look for it. Bytes after the last whole
    // record (a fragment, or a record the end of the file cut short) would hide it, so they go.
    const int64_t at = EndOfRecords();
    if (at < FileSize()) Truncate(at);
    RecordHeader header;
    header.Section = std::string(section);
    header.Key = std::string(key);
    header.DataSize = int32_t(data.size());
    std::vector<uint8_t> bytes = EncodeRecordHeader(header);
    Encode(bytes);
    WriteAt(at, bytes);
    // Scramble a copy: the caller's data stays as it was.
    bytes.assign(data.begin(), data.end());
    Encode(bytes);
    WriteAt(at + int64_t(kRecordHeaderSize), bytes);
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
    position_ = 0;
    RecordHeader header;
    std::vector<uint8_t> data;
    while (NextHeader(header)) {
        const int64_t available = std::max<int64_t>(0, FileSize() - position_);
        data.assign(size_t(std::min<int64_t>(header.DataSize, available)), 0);
        data.resize(ReadAt(position_, data));
        Decode(data);
        visit(header, data);
        position_ += header.DataSize;
    }
}

}  // namespace q417
