#include "wordproc/module/ModuleLoader.h"

#include "common/ProgramFolder.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/module/ModuleAbi.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

namespace harvelux::wordproc {

namespace {

// Where the module may be, most likely first: beside the program (the
// desktop program in its folder), the program folder seen from bin/
// (harvelux-extract), and, for a program of the build tree only, the build
// tree's module folder. Absolute paths only.
std::vector<std::string> moduleCandidates(const std::string& fileName) {
    std::vector<std::string> candidates;
    const std::string folder = programFolder();
    if (folder.empty()) return candidates;
    candidates.push_back(folder + "/" + fileName);
    candidates.push_back(folder + "/" HARVELUX_MODULE_FROM_BINDIR "/" + fileName);
    const std::string buildTree = HARVELUX_BUILD_TREE "/";
    if ((folder + "/").compare(0, buildTree.size(), buildTree) == 0) {
        candidates.push_back(std::string(HARVELUX_BUILD_MODULE_DIR "/") + fileName);
    }
    return candidates;
}

}  // namespace

std::string findProgramFile(const char* fileName) {
    const std::vector<std::string> candidates = moduleCandidates(fileName);
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const std::string& path) { return access(path.c_str(), R_OK) == 0; });
    return found == candidates.end() ? std::string() : *found;
}

// The first candidate that exists is the one loaded; if it cannot be, its
// error is the one told.
void* openProgramModule(const char* fileName, const char* entryName, std::string& error) {
    const std::string found = findProgramFile(fileName);
    if (found.empty()) {
        error = std::string(fileName) + " is not installed beside the program";
        return nullptr;
    }
    void* handle = dlopen(found.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        error = why ? why : found;
        return nullptr;
    }
    void* entry = dlsym(handle, entryName);
    if (!entry) error = found + " is not this program's reader module";
    return entry;
}

std::string finishModuleRead(int outcome, std::string&& text) {
    // An engine error comes with its reason added to kReaderEngineError.
    if (outcome >= kReaderEngineError && outcome <= kReaderEngineError + static_cast<int>(kLastUnreadableReason))
        throw EngineError(text, static_cast<UnreadableReason>(outcome - kReaderEngineError));
    switch (outcome) {
        case kReaderRead:
            return std::move(text);
        case kReaderReadScannedPagesUnread:
            ReadNotes::noteScannedPagesUnread();
            return std::move(text);
        case kReaderOutOfMemory:
            throw std::bad_alloc();
        default:
            throw std::runtime_error(text);
    }
}

}  // namespace harvelux::wordproc
