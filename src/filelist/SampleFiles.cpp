#include "filelist/SampleFiles.h"

#include "filelist/FolderScan.h"

namespace harvelux::filelist {

std::string samplesFolder(const std::string& programFolder) { return programFolder + "/Samples/"; }

std::vector<std::string> samplePaths(const std::string& programFolder) {
    const std::string folder = samplesFolder(programFolder);
    std::vector<std::string> paths;
    for (const std::string& name : ListFiles(folder, "*")) paths.push_back(folder + name);
    return paths;
}

}  // namespace harvelux::filelist
