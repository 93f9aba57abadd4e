#include "filelist/FolderScan.h"

#include "common/Utf8.h"

#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace harvelux::filelist {

namespace {

using FolderId = std::pair<dev_t, ino_t>;

class DirectoryListing {
public:
    explicit DirectoryListing(const std::string& folder) : dir_(::opendir(folder.c_str())) {}
    ~DirectoryListing() {
        if (dir_) ::closedir(dir_);
    }
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // The next name, or false at the end (or when the folder is unreadable).
    bool next(std::string& name) {
        if (!dir_) return false;
        while (const dirent* entry = ::readdir(dir_)) {
            name = entry->d_name;
            if (name == "." || name == "..") continue;
            return true;
        }
        return false;
    }

private:
    DIR* dir_;
};

// The name with "?" for every byte that is not part of well-formed UTF-8.
std::string displayName(const std::string& name) {
    if (isValidUtf8(name)) return name;
    std::string shown;
    for (std::size_t i = 0; i < name.size();) {
        // Take the longest well-formed sequence starting here (1 to 4 bytes).
        std::size_t length = 0;
        for (std::size_t k = 1; k <= 4 && i + k <= name.size(); ++k)
            if (isValidUtf8(std::string_view(name).substr(i, k))) length = k;
        if (length == 0) {
            shown += '?';
            ++i;
        } else {
            shown.append(name, i, length);
            i += length;
        }
    }
    return shown;
}

bool folderId(const std::string& path, FolderId& id) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    id = {info.st_dev, info.st_ino};
    return true;
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

bool matchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.substr(0, 2) != "*.") return name == pattern;
    std::string_view prefix = pattern.substr(2);
    if (!prefix.empty() && prefix.back() == '*') prefix.remove_suffix(1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = name.substr(dot + 1);
    if (extension.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(extension[i]) != lower(prefix[i])) return false;
    }
    return true;
}

void CollectSubfolders(std::vector<std::string>& list, bool recurse, const ScanPump& pump) {
    const auto letPump = [&pump] {
        if (pump) pump();
    };
    std::set<FolderId> entered;
    for (const std::string& folder : list) {
        FolderId id;
        if (folderId(folder, id)) entered.insert(id);
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
                if (name[0] == '.' || !isValidUtf8(name)) continue;
                const std::string path = folder + name;
                FolderId id;
                if (!folderId(path, id) || !entered.insert(id).second) continue;
                found.push_back(path + "/");
            }
        }
        for (const std::string& folder : found) {
            letPump();
            list.push_back(folder);
        }
        if (!recurse) break;
        level = std::move(found);
    }
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    const std::string base = !folder.empty() && folder.back() == '/' ? folder : folder + "/";
    DirectoryListing listing(base);
    std::string name;
    while (listing.next(name)) {
        if (!matchesPattern(name, pattern)) continue;
        struct stat info {};
        if (::stat((base + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        names.push_back(displayName(name));
    }
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

std::vector<std::string> ScanTree(const std::string& folder, const std::string& pattern, const ScanPump& pump) {
    std::vector<std::string> folders{folder + "/"};
    CollectSubfolders(folders, true, pump);
    std::vector<std::string> paths;
    for (const std::string& entry : folders) {
        const std::string d = entry.substr(0, entry.size() - 1);
        for (const std::string& name : ListFiles(d, pattern)) {
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
