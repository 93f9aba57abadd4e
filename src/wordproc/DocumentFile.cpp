#include "wordproc/DocumentFile.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/text/ReaderCaps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace harvelux::wordproc {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void fail(const std::string& path, const char* what, UnreadableReason reason) {
    throw EngineError("Cannot open " + path + ": " + what, reason);
}

// What a failed stat, open or read says of the file.
UnreadableReason reasonOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return UnreadableReason::Missing;
        case EACCES:
        case EPERM:
            return UnreadableReason::NoPermission;
        case EISDIR:
            return UnreadableReason::NotADocument;
        case EFBIG:
        case EOVERFLOW:
            return UnreadableReason::TooLarge;
        default:
            return UnreadableReason::Damaged;
    }
}

[[noreturn]] void failWithErrno(const std::string& path) {
    const int error = errno;
    fail(path, std::strerror(error), reasonOf(error));
}

}  // namespace

DocumentBytes readDocumentBytes(const std::string& path) {
    return readDocumentBytes(path, kMaxFileBytes, [](int fd, char* buffer, std::size_t size) {
        return static_cast<long>(::read(fd, buffer, size));
    });
}

DocumentBytes readDocumentBytes(const std::string& path, std::uint64_t maxBytes, const ReadCall& read) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) failWithErrno(path);
    if (!S_ISREG(info.st_mode)) fail(path, "not a regular file", UnreadableReason::NotADocument);
    // O_NONBLOCK: should the path have been swapped for a FIFO since the
    // stat, the open returns at once instead of waiting for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) failWithErrno(path);
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        fail(path, "not a regular file", UnreadableReason::NotADocument);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) fail(path, "file too large", UnreadableReason::TooLarge);

    // One byte more than the size, so that a file that grew since fstat is
    // noticed and read on, but never past the cap: a file that grows while
    // it is read is refused once it holds more.
    const std::size_t most = static_cast<std::size_t>(maxBytes) + 1;
    std::size_t capacity = static_cast<std::size_t>(info.st_size) + 1;
    DocumentBytes::Buffer data(static_cast<char*>(std::malloc(capacity)));
    if (!data) throw std::bad_alloc();
    std::size_t filled = 0;
    while (true) {
        if (filled == capacity) {
            if (capacity >= most) fail(path, "file too large", UnreadableReason::TooLarge);
            // realloc grows a large block in place where it can (glibc remaps
            // its pages), so a growing file never holds two copies at once.
            const std::size_t larger = std::min(capacity + capacity / 2 + 65536, most);
            char* grown = static_cast<char*>(std::realloc(data.get(), larger));
            if (!grown) throw std::bad_alloc();
            (void)data.release();
            data.reset(grown);
            capacity = larger;
        }
        const long got = read(fd.get(), data.get() + filled, capacity - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            failWithErrno(path);
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    return DocumentBytes(std::move(data), filled);
}

std::string readDocumentFile(const std::string& path) { return std::string(readDocumentBytes(path).view()); }

}  // namespace harvelux::wordproc
