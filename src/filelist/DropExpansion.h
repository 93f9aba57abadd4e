// What a drop of files and folders onto the file list adds: a dropped file
// as it is, a dropped folder as every file of its tree (folders in level
// order, names starting with "~" skipped inside folders), in the order of the
// dropped list. Paths are built by plain concatenation, with no reduction of
// a doubled root separator.
#pragma once

#include "filelist/FolderScan.h"

#include <string>
#include <vector>

namespace harvelux::filelist {

// The paths to append for the dropped paths. A dropped folder is scanned even
// when it is hidden itself (the user chose it); entries that are neither
// files nor folders (FIFOs, sockets, devices) are passed over, since reading
// them could block; a path that does not exist is kept as given.
// What could not be scanned goes to `problems`, if given.
std::vector<std::string> ExpandDrop(const std::vector<std::string>& dropped, const ScanPump& pump = {},
                                    ScanProblems* problems = nullptr);

}  // namespace harvelux::filelist
