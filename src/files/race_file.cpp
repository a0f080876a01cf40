#include "files/race_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "files/file_descriptor.hpp"

namespace kestrova {
namespace {

// The reason for an error, in the system's words but for a lock that was not let go.
std::string Reason(int error) {
    return error == EWOULDBLOCK ? "another program keeps the file locked" : ErrorText(error);
}

// Writes all of `size` bytes at `offset`; gives 0 or the error. Each pass writes at least one
// byte or fails, so the number of passes is bounded by the size (plus interrupted calls).
int WriteAllAt(int fd, const unsigned char* data, std::size_t size, off_t offset) {
    std::size_t done = 0;
    for (std::size_t pass = 0; done < size && pass < 2 * size + 8; ++pass) {
        const ssize_t written =
            ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        done += static_cast<std::size_t>(written);
    }
    return done == size ? 0 : EIO;
}

int ReadAllAt(int fd, unsigned char* data, std::size_t size, off_t offset) {
    std::size_t done = 0;
    for (std::size_t pass = 0; done < size && pass < 2 * size + 8; ++pass) {
        const ssize_t got =
            ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            return EIO;
        }
        done += static_cast<std::size_t>(got);
    }
    return done == size ? 0 : EIO;
}

int SyncedWrite(int fd, const RecordBytes& bytes, off_t offset) {
    if (const int error = WriteAllAt(fd, bytes.data(), bytes.size(), offset)) {
        return error;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Puts the file back as it was before a failed write: the old record where one was replaced,
// the old length where the file was extended.
void Restore(int fd, off_t oldLength, off_t offset, const std::optional<RecordBytes>& oldRecord) {
    if (oldRecord) {
        SyncedWrite(fd, *oldRecord, offset);
    } else if (::ftruncate(fd, oldLength) == 0) {
        ::fsync(fd);
    }
}

// The records of a file's bytes, and what is odd about their number.
void DecodeRecords(const std::vector<unsigned char>& bytes, std::uintmax_t length,
                   RaceFileContents& contents) {
    const std::size_t whole = bytes.size() / kRecordBytes;
    contents.records.reserve(whole);
    RecordBytes record{};
    for (std::size_t n = 0; n < whole; ++n) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * kRecordBytes), kRecordBytes,
                    record.begin());
        contents.records.push_back(DecodeRecord(record));
    }
    contents.tooManyRecords = length / kRecordBytes > whole;
    contents.incompleteBytes = contents.tooManyRecords ? 0 : length % kRecordBytes;
}

}  // namespace

RaceFileRead ReadRaceFile(const std::filesystem::path& path) {
    RaceFileRead read;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return read;
    }
    read.status = RaceFileStatus::Unreadable;
    if (error) {
        read.reason = error.message();
        return read;
    }
    if (!std::filesystem::is_regular_file(status)) {
        read.reason = "it is not a file";
        return read;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    int failure = fd.Get() < 0 ? errno : LockFile(fd.Get(), LOCK_SH);
    if (failure == 0 && ::fstat(fd.Get(), &info) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        read.reason = Reason(failure);
        return read;
    }
    const auto length = static_cast<std::uintmax_t>(info.st_size);
    const std::uintmax_t most = kRecordBytes * static_cast<std::uintmax_t>(kMostRaceNumber);
    const std::uintmax_t wanted = std::min(length, most + kRecordBytes - 1);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(wanted));
    if (ReadAllAt(fd.Get(), bytes.data(), bytes.size(), 0) != 0) {
        read.reason = "the file could not be read to its end";
        return read;
    }
    bytes.resize(std::min<std::size_t>(bytes.size() / kRecordBytes * kRecordBytes,
                                       static_cast<std::size_t>(most)));
    DecodeRecords(bytes, length, read.contents);
    read.status = RaceFileStatus::Read;
    return read;
}

std::optional<std::string> CreateRaceFile(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return Reason(errno);
    }
    return fd.Close();
}

namespace {

// Whether the file still is what the writer read: the record to be replaced holds the bytes it
// read, or the file has the length it read when the race extends it.
RaceWriteStatus CheckExpected(int fd, off_t length, off_t offset,
                              const RaceFileExpectation& expected, int& error) {
    if (!expected.replaced) {
        return static_cast<std::uintmax_t>(length) == expected.length ? RaceWriteStatus::Written
                                                                      : RaceWriteStatus::Changed;
    }
    if (offset + static_cast<off_t>(kRecordBytes) > length) {
        return RaceWriteStatus::Changed;
    }
    RecordBytes now{};
    error = ReadAllAt(fd, now.data(), now.size(), offset);
    if (error != 0) {
        return RaceWriteStatus::Failed;
    }
    return now == *expected.replaced ? RaceWriteStatus::Written : RaceWriteStatus::Changed;
}

RaceWrite Failure(std::string reason) {
    return {RaceWriteStatus::Failed, std::move(reason)};
}

}  // namespace

RaceWrite WriteRaceRecord(const std::filesystem::path& path, const SavedRaceRecord& record,
                          const RaceFileExpectation& expected) {
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.Get() < 0) {
        return Failure(Reason(errno));
    }
    if (const int error = LockFile(fd.Get(), LOCK_EX)) {
        return Failure(Reason(error));
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Failure(Reason(errno));
    }
    const off_t length = info.st_size;
    const off_t recordBytes = static_cast<off_t>(kRecordBytes);
    if (length % recordBytes != 0) {
        return Failure("the file ends with an incomplete record");
    }
    const off_t offset = (record.raceNumber - 1) * recordBytes;
    const bool extends = !expected.replaced;
    if (record.raceNumber < 1 ||
        (extends && static_cast<std::uintmax_t>(offset) != expected.length)) {
        return Failure("race " + std::to_string(record.raceNumber) +
                       " would leave a gap in the file");
    }
    int error = 0;
    const RaceWriteStatus check = CheckExpected(fd.Get(), length, offset, expected, error);
    if (check != RaceWriteStatus::Written) {
        return {check, error != 0 ? Reason(error) : std::string()};
    }
    if (const int writeError = SyncedWrite(fd.Get(), EncodeRecord(record), offset)) {
        Restore(fd.Get(), length, offset, expected.replaced);
        return Failure(Reason(writeError));
    }
    if (const std::optional<std::string> closeError = fd.Close()) {
        return Failure(*closeError);
    }
    return {RaceWriteStatus::Written, {}};
}

}  // namespace kestrova
