#include "files/race_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>

#include "files/file_descriptor.hpp"

namespace kestrova {
namespace {

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
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        read.reason = ErrorText(errno);
        return read;
    }
    RaceFileContents& contents = read.contents;
    RecordBytes bytes{};
    auto* buffer = reinterpret_cast<char*>(bytes.data());
    for (int n = 0; n < kMostRaceNumber; ++n) {
        file.read(buffer, static_cast<std::streamsize>(bytes.size()));
        const auto got = static_cast<std::uintmax_t>(file.gcount());
        if (got < kRecordBytes) {
            contents.incompleteBytes = got;
            break;
        }
        contents.records.push_back(DecodeRecord(bytes));
    }
    if (contents.records.size() == static_cast<std::size_t>(kMostRaceNumber)) {
        contents.tooManyRecords = file.peek() != std::ifstream::traits_type::eof();
    }
    if (file.bad()) {
        read.reason = "the file could not be read to its end";
        return read;
    }
    read.status = RaceFileStatus::Read;
    return read;
}

std::optional<std::string> CreateRaceFile(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return ErrorText(errno);
    }
    return fd.Close();
}

std::optional<std::string> WriteRaceRecord(const std::filesystem::path& path,
                                           const SavedRaceRecord& record) {
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.Get() < 0) {
        return ErrorText(errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return ErrorText(errno);
    }
    const off_t length = info.st_size;
    const off_t recordBytes = static_cast<off_t>(kRecordBytes);
    if (length % recordBytes != 0) {
        return "the file ends with an incomplete record";
    }
    const off_t records = length / recordBytes;
    if (record.raceNumber < 1 || record.raceNumber > records + 1) {
        return "the file holds " + std::to_string(records) + " races now, so race " +
               std::to_string(record.raceNumber) + " would leave a gap in it";
    }
    const off_t offset = (record.raceNumber - 1) * recordBytes;
    std::optional<RecordBytes> oldRecord;
    if (offset < length) {
        oldRecord.emplace();
        if (const int error = ReadAllAt(fd.Get(), oldRecord->data(), kRecordBytes, offset)) {
            return ErrorText(error);
        }
    }
    if (const int error = SyncedWrite(fd.Get(), EncodeRecord(record), offset)) {
        Restore(fd.Get(), length, offset, oldRecord);
        return ErrorText(error);
    }
    return fd.Close();
}

}  // namespace kestrova
