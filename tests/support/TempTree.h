// Real folder trees for scan tests, in a temporary folder removed afterwards.
#pragma once

#include "TestFiles.h"

#include <sys/stat.h>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace harvelux::testing {

class TempTree {
public:
    TempTree() = default;
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root folder, without a trailing "/".
    const std::string& root() const { return dir_.path(); }
    std::string path(const std::string& relative) const { return dir_.file(relative); }

    // Creates a file (and its folders) with the given content.
    std::string file(const std::string& relative, const std::string& content = "x") const {
        const std::string p = path(relative);
        std::filesystem::create_directories(std::filesystem::path(p).parent_path());
        testfiles::writeFile(p, content);
        return p;
    }
    std::string folder(const std::string& relative) const {
        const std::string p = path(relative);
        std::filesystem::create_directories(p);
        return p;
    }
    std::string fifo(const std::string& relative) const {
        const std::string p = path(relative);
        std::filesystem::create_directories(std::filesystem::path(p).parent_path());
        if (::mkfifo(p.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
        return p;
    }
    // A symbolic link at `relative` pointing to `target` (as written).
    std::string link(const std::string& relative, const std::string& target) const {
        const std::string p = path(relative);
        std::filesystem::create_directory_symlink(target, p);
        return p;
    }

private:
    testfiles::TempDir dir_;
};

}  // namespace harvelux::testing
