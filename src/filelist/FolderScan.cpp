#include "filelist/FolderScan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>

namespace harvelux::filelist {

namespace {

using FolderId = std::pair<dev_t, ino_t>;

class DirectoryListing {
public:
    explicit DirectoryListing(const std::string& folder) : dir_(::opendir(folder.c_str())), error_(dir_ ? 0 : errno) {}
    ~DirectoryListing() {
        if (dir_) ::closedir(dir_);
    }
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // The next name, or false at the end (or when the folder is unreadable).
    bool next(std::string& name) {
        if (!dir_) return false;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir_);
            if (!entry) {
                error_ = errno;
                return false;
            }
            name = entry->d_name;
            if (name != "." && name != "..") return true;
        }
    }

    // Why the folder could not be listed, whole or in part; 0 when it could.
    int error() const { return error_; }

private:
    DIR* dir_;
    int error_;
};

// Notes why `path`, an entry of `folder`, could not be looked at. A link
// that leads nowhere, or a name gone since the listing, is no problem: there
// is nothing to read. Returns true when the folder itself cannot be entered,
// so that none of its entries can be looked at either.
bool noteUnreachable(ScanProblems* problems, const std::string& folder, const std::string& path, int code) {
    if (code == ENOENT || code == ELOOP) return false;
    const bool folderShut = code == EACCES && ::faccessat(AT_FDCWD, folder.c_str(), X_OK, AT_EACCESS) != 0;
    if (problems) problems->add(folderShut ? folder : path, code);
    return folderShut;
}

void noteUnlisted(ScanProblems* problems, const std::string& folder, const DirectoryListing& listing) {
    if (problems && listing.error() != 0) problems->add(folder, listing.error());
}

}  // namespace

EntryKind kindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return EntryKind::Missing;
    if (S_ISDIR(info.st_mode)) return EntryKind::Folder;
    if (S_ISREG(info.st_mode)) return EntryKind::File;
    return EntryKind::System;
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

namespace {
// One pattern of a ListFiles pattern list.
bool matchesOne(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.substr(0, 2) != "*.") return name == pattern;
    std::string_view wanted = pattern.substr(2);
    const bool prefix = !wanted.empty() && wanted.back() == '*';
    if (prefix) wanted.remove_suffix(1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = name.substr(dot + 1);
    if (prefix ? extension.size() < wanted.size() : extension.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(extension[i]) != lower(wanted[i])) return false;
    }
    return true;
}
}  // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
    for (std::size_t at = 0; at < pattern.size();) {
        const std::size_t end = std::min(pattern.find(' ', at), pattern.size());
        if (end > at && matchesOne(name, pattern.substr(at, end - at))) return true;
        at = end + 1;
    }
    return false;
}

void CollectSubfolders(std::vector<std::string>& list, bool recurse, const ScanPump& pump, ScanProblems* problems) {
    const auto letPump = [&pump] {
        if (pump) pump();
    };
    std::set<FolderId> entered;
    for (const std::string& folder : list) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) entered.insert({info.st_dev, info.st_ino});
    }
    // Level order: each pass lists the folders found by the pass before.
    std::vector<std::string> level = list;
    while (!level.empty()) {
        std::vector<std::string> found;
        for (const std::string& folder : level) {
            DirectoryListing listing(folder);
            letPump();
            std::string name;
            while (listing.next(name)) {
                letPump();
                if (name[0] == '.') continue;
                const std::string path = folder + name;
                struct stat info {};
                if (::stat(path.c_str(), &info) != 0) {
                    if (noteUnreachable(problems, folder, path, errno)) break;
                    continue;
                }
                if (!S_ISDIR(info.st_mode) || !entered.insert({info.st_dev, info.st_ino}).second) continue;
                found.push_back(path + "/");
            }
            noteUnlisted(problems, folder, listing);
        }
        for (const std::string& folder : found) {
            letPump();
            list.push_back(folder);
        }
        if (!recurse) break;
        level = std::move(found);
    }
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern, ScanProblems* problems) {
    std::vector<std::string> names;
    const std::string base = !folder.empty() && folder.back() == '/' ? folder : folder + "/";
    DirectoryListing listing(base);
    std::string name;
    while (listing.next(name)) {
        if (!matchesPattern(name, pattern)) continue;
        struct stat info {};
        if (::stat((base + name).c_str(), &info) != 0) {
            if (noteUnreachable(problems, base, base + name, errno)) break;
            continue;
        }
        if (S_ISREG(info.st_mode)) names.push_back(name);
    }
    noteUnlisted(problems, base, listing);
    return names;
}

namespace {
// The owner files a word processor keeps beside an open document: "~$name"
// (and other "~" names) and LibreOffice's ".~lock.name#".
bool isOwnerFile(std::string_view name) {
    if (!name.empty() && name.front() == '~') return true;
    return name.size() > 8 && name.starts_with(".~lock.") && name.ends_with('#');
}
}  // namespace

std::vector<std::string> ScanTree(const std::string& folder, const std::string& pattern, const ScanPump& pump,
                                  ScanProblems* problems) {
    std::vector<std::string> folders{folder + "/"};
    CollectSubfolders(folders, true, pump, problems);
    std::vector<std::string> paths;
    for (const std::string& entry : folders) {
        const std::string d = entry.substr(0, entry.size() - 1);
        for (const std::string& name : ListFiles(d, pattern, problems)) {
            if (isOwnerFile(name)) continue;
            paths.push_back(d + "/" + name);
        }
    }
    return paths;
}

std::string reduceRootSeparator(std::string path) {
    if (path.size() >= 2 && path[0] == '/' && path[1] == '/') path.erase(0, 1);
    return path;
}

}  // namespace harvelux::filelist
