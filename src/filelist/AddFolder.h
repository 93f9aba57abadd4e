// The Add Folder command: the folder dialog and the documents of the chosen
// folder's tree.
#pragma once

#include "filelist/FolderScan.h"
#include "platform/Platform.h"

#include <string>
#include <vector>

namespace harvelux::filelist {

inline constexpr const char* kFolderPrompt = "Please select folder:";

// The folder the user chose, as it is on disk (see NamesOnDisk.h), or ""
// when the dialog was cancelled. A name that matches more than one folder is
// told to the user, and gives "".
std::string BrowseFolder(platform::Platform& platform, const std::string& prompt);

// The word-processor documents of the folder's tree (the names the engine's
// table of formats gives a folder scan: "*.do*"), folders in level order,
// "~" names skipped, a doubled root separator reduced ("/" gives "/a.doc",
// not "//a.doc"). `pump` runs throughout the folder collection. What could
// not be scanned goes to `problems`, if given.
std::vector<std::string> FolderDocuments(const std::string& folder, const ScanPump& pump = {},
                                         ScanProblems* problems = nullptr);

}  // namespace harvelux::filelist
