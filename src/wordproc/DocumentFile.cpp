#include "wordproc/DocumentFile.h"

#include "wordproc/Engine.h"
#include "wordproc/Limits.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

[[noreturn]] void fail(const std::string& path, const char* what) {
    throw EngineError("Cannot open " + path + ": " + what);
}

}  // namespace

std::string readDocumentFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) fail(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) fail(path, "not a regular file");
    // O_NONBLOCK: should the path have been swapped for a FIFO since the
    // stat, the open returns at once instead of waiting for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) fail(path, std::strerror(errno));
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) fail(path, "not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > kMaxFileBytes) fail(path, "file too large");

    std::string data;
    data.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (true) {
        if (filled == data.size()) {
            // The file may have grown since fstat; keep reading up to the cap.
            if (data.size() >= kMaxFileBytes) fail(path, "file too large");
            data.resize(data.size() + 65536);
        }
        const ssize_t got = ::read(fd.get(), data.data() + filled, data.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(path, std::strerror(errno));
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    data.resize(filled);
    return data;
}

}  // namespace harvelux::wordproc
