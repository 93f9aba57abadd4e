// The sample documents installed beside the program, in Samples/.
#pragma once

#include <string>
#include <vector>

namespace harvelux::filelist {

// programFolder + "/Samples/", the folder the sample command offers to open.
std::string samplesFolder(const std::string& programFolder);

// Every file directly in the Samples folder (hidden ones and "~" names
// included, sub-folders not looked into), in listing order, as
// programFolder + "/Samples/" + name. Empty when the folder is missing.
std::vector<std::string> samplePaths(const std::string& programFolder);

}  // namespace harvelux::filelist
