// A chain of nested folders whose deeper paths pass the system's path limit
// (PATH_MAX). Such paths cannot be used whole, so the chain is built and
// removed through folder handles.
#pragma once

#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace harvelux::testing {

class DeepFolders {
public:
    // `levels` folders, each with a 250-character name, below `root`.
    DeepFolders(const std::string& root, int levels) : root_(root), name_(250, 'd') {
        folders_.push_back(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        for (int level = 1; level <= levels; ++level) {
            if (::mkdirat(folders_.back(), name_.c_str(), 0755) != 0) throw std::runtime_error("mkdirat failed");
            folders_.push_back(::openat(folders_.back(), name_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (folders_.back() < 0) throw std::runtime_error("openat failed");
        }
    }
    ~DeepFolders() {
        for (const auto& [level, name] : files_) ::unlinkat(folders_[level], name.c_str(), 0);
        for (std::size_t level = folders_.size() - 1; level > 0; --level) {
            ::close(folders_[level]);
            ::unlinkat(folders_[level - 1], name_.c_str(), AT_REMOVEDIR);
        }
        ::close(folders_[0]);
    }
    DeepFolders(const DeepFolders&) = delete;
    DeepFolders& operator=(const DeepFolders&) = delete;

    // The path of folder `level` (1 to levels).
    std::string path(int level) const {
        std::string p = root_;
        for (int k = 1; k <= level; ++k) p += "/" + name_;
        return p;
    }
    // A file in folder `level`.
    void file(int level, const std::string& name, const std::string& content) {
        const int fd = ::openat(folders_.at(static_cast<std::size_t>(level)), name.c_str(),
                                O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
            throw std::runtime_error("cannot write " + name);
        ::close(fd);
        files_.emplace_back(static_cast<std::size_t>(level), name);
    }

    // Levels of 251 bytes ("/" and the name) from `root` until a path passes
    // PATH_MAX: the first level that cannot be opened by its path.
    static int firstTooLong(const std::string& root) { return static_cast<int>((4096 - root.size() + 250) / 251); }

private:
    std::string root_;
    std::string name_;
    std::vector<int> folders_;
    std::vector<std::pair<std::size_t, std::string>> files_;
};

}  // namespace harvelux::testing
