#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace harvelux {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool failWith(std::string& error, const std::string& path, int code) {
    error = "Could not write " + path + ": " + std::strerror(code);
    return false;
}

}  // namespace

bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return failWith(error, path, EISDIR);

    // A new file with a name of its own beside the target. Creating it with
    // mode 0666 lets the user's umask decide, as for any file they save.
    const std::string folder = folderOf(path);
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + "/.harvelux-" + std::to_string(random() % 1000000000000ull) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failWith(error, path, errno);
    }
    if (fd < 0) return failWith(error, path, EEXIST);

    const auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failWith(error, path, code);
    };
    // An existing file keeps its permissions.
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) return abandon(errno);
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return failWith(error, path, code);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return failWith(error, path, code);
    }
    return true;
}

}  // namespace harvelux
