#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

namespace harvelux {

namespace {

// As many links as the system itself follows before giving up.
constexpr int kMaxLinks = 40;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file `path` leads to once every symbolic link is followed, with what
// lstat says of it (`exists` false when nothing is there yet). False with
// errno set when the chain cannot be followed.
bool followLinks(const std::string& path, std::string& target, struct stat& info, bool& exists) {
    target = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno != ENOENT) return false;
            exists = false;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return true;
        }
        std::vector<char> buffer(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t n = ::readlink(target.c_str(), buffer.data(), buffer.size());
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) >= buffer.size()) {
            errno = ENAMETOOLONG;
            return false;
        }
        std::string link(buffer.data(), static_cast<std::size_t>(n));
        target = !link.empty() && link[0] == '/' ? std::move(link) : folderOf(target) + "/" + link;
    }
    errno = ELOOP;
    return false;
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
    bool exists = false;
    if (!followLinks(path, target_, existing, exists)) return fail(errno);
    if (exists) {
        if (!S_ISREG(existing.st_mode)) return fail(path + " is not a regular file");
        if (existing.st_nlink > 1)
            return fail("Could not write " + path +
                        ": it has other hard links, which replacing it would cut off. Choose another name.");
        // The rename below needs only the folder's permission; the file's own
        // is what the user expects to decide, as when writing it in place.
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);
    }

    // A new file with a name of its own beside the target. Creating it with
    // mode 0666 lets the user's umask decide, as for any file they save.
    const std::string folder = folderOf(target_);
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

    if (exists) {
        // Owner and group where the user may set them (root may set both, an
        // owner any group of theirs); otherwise the file becomes the user's.
        if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid);
        // After fchown, which clears set-user-ID and set-group-ID bits.
        if (::fchmod(fd_, existing.st_mode & 07777) != 0) return fail(errno);
    }
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
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errno);
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
