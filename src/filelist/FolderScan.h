// Folder scans without widgets: the level-order collection of a tree's
// folders and the listing of the files of one folder, as "Add Folder", drag
// and drop of folders and the command-line extractor use them.
//
// Folders in a folder list end in "/". Hidden folders (name starting with
// ".") are not entered; entries that are neither regular files nor folders
// (FIFOs, sockets, devices) are never listed or entered. Links are followed,
// but each folder (device and inode) is entered once, so a link back up the
// tree ends the walk. Names keep the bytes the file system gave, valid UTF-8
// or not, so every path built opens the file it names.
//
// A folder that cannot be listed or entered, or a path too long to open, is
// passed over and noted in the ScanProblems given, if any.
#pragma once

#include "filelist/ScanProblems.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::filelist {

// What a path names, links followed: nothing, a regular file, a folder, or
// an entry of another kind (FIFO, socket, device).
enum class EntryKind { Missing, File, Folder, System };
EntryKind kindOf(const std::string& path);

// A folder path as a file manager or a command line may give it ("/a/b/")
// without its trailing separators; the root stays "/".
std::string withoutTrailingSeparators(std::string path);

// Lets the window process pending messages; may be empty.
using ScanPump = std::function<void()>;

// Appends to `list` every sub-folder below its folders, level by level:
// all sub-folders of the first level in listing order, then theirs, grouped
// by parent. Each entry ends in "/".
void CollectSubfolders(std::vector<std::string>& list, bool recurse, const ScanPump& pump = {},
                       ScanProblems* problems = nullptr);

// The names of the files in `folder` (hidden ones included, folders and
// system entries excluded) that match `pattern`, in listing order. The
// pattern is a list of patterns separated by spaces, a name matching any of
// them: "*" (every file), "*." and an extension ("*.rtf": the part of the
// name after its last dot is "rtf") or "*." and the start of one ("*.do*":
// that part starts with "do"), case ignored.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern,
                                   ScanProblems* problems = nullptr);

// Whether a file name matches a ListFiles pattern.
bool matchesPattern(std::string_view name, std::string_view pattern);

// Every file of a tree: the folders in level order, in each folder the names
// that match the pattern and are no word processor's owner file (names that
// start with "~", or with ".~lock." and end in "#"). Paths are folder + "/" +
// name, built by plain concatenation.
std::vector<std::string> ScanTree(const std::string& folder, const std::string& pattern, const ScanPump& pump = {},
                                  ScanProblems* problems = nullptr);

// Reduces a leading "//" to "/" (what building a path from the root "/"
// doubles).
std::string reduceRootSeparator(std::string path);

}  // namespace harvelux::filelist
