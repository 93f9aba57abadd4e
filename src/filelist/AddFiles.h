// The Add Files command's dialog settings and what it appends.
#pragma once

#include "platform/Platform.h"

#include <string>
#include <vector>

namespace harvelux::filelist {

inline constexpr const char* kAddFilesTitle = "Add File(s) - Use Ctrl & Shift to select multiple files";

// "Word Documents (*.do*)" first, then "All Files (*)".
std::vector<platform::FileFilter> addFilesFilters();

// The items to append for the files chosen in the dialog, in the dialog's
// order. A single choice is taken as it is; of several, each has a doubled
// root separator reduced. Nothing is filtered: a "~$" lock file or a typed
// name that does not exist is added as chosen.
std::vector<std::string> chosenFilesToAdd(const std::vector<std::string>& chosen);

// The Add Files dialog and the items to append for its answer, each name
// as it is on disk (see NamesOnDisk.h). Names that match more than one
// file are left out, and the user is told which.
std::vector<std::string> ChooseFilesToAdd(platform::Platform& platform);

}  // namespace harvelux::filelist
