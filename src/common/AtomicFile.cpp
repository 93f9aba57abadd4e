#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace harvelux {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::fail(int code) { return fail("Could not write " + path_ + ": " + std::strerror(code)); }

bool AtomicFile::fail(std::string message) {
    if (!failed_) error_ = std::move(message);
    failed_ = true;
    discard();
    return false;
}

void AtomicFile::abandon(const std::string& message) { fail(message); }

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool AtomicFile::open(const std::string& path) {
    discard();
    path_ = path;
    failed_ = false;
    error_.clear();

    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return fail(EISDIR);

    // A new file with a name of its own beside the target. Creating it with
    // mode 0666 lets the user's umask decide, as for any file they save.
    const std::string folder = folderOf(path);
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = folder + "/.harvelux-" + std::to_string(random() % 1000000000000ull) + ".tmp";
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            const int code = errno;
            temporary_.clear();
            if (code != EEXIST) return fail(code);
        }
    }
    if (fd_ < 0) return fail(EEXIST);
    // An existing file keeps its permissions.
    if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0) return fail(errno);
    return true;
}

bool AtomicFile::write(std::string_view data) {
    if (failed_ || fd_ < 0) return false;
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    if (failed_ || fd_ < 0) return false;
    if (::fsync(fd_) != 0) return fail(errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) return fail(errno);
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) return fail(errno);
    temporary_.clear();
    return true;
}

bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error) {
    AtomicFile file;
    if (file.open(path) && file.write(data) && file.commit()) return true;
    error = file.error();
    return false;
}

}  // namespace harvelux
