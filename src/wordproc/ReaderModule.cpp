#include "wordproc/ReaderModule.h"

#include "wordproc/Engine.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <stdexcept>
#include <vector>

namespace harvelux::wordproc {

namespace {

std::atomic<const ReaderModuleTable*> linkedTable{nullptr};

struct LoadedModule {
    const ReaderModuleTable* table = nullptr;
    std::string error;  // why it could not be loaded
};

// The folder of the running program, symbolic links resolved.
std::string programFolder() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

// Where the module may be, most likely first: beside the program (the
// desktop program in its folder), the program folder seen from bin/
// (harvelux-extract), and, for a program of the build tree only, the build
// tree's module folder. Absolute paths only: no search path and never the
// current folder.
std::vector<std::string> moduleCandidates() {
    std::vector<std::string> candidates;
    const std::string folder = programFolder();
    if (folder.empty()) return candidates;
    candidates.push_back(folder + "/" + kReaderModuleFile);
    candidates.push_back(folder + "/" HARVELUX_MODULE_FROM_BINDIR "/" + kReaderModuleFile);
    const std::string buildTree = HARVELUX_BUILD_TREE "/";
    if ((folder + "/").compare(0, buildTree.size(), buildTree) == 0) {
        candidates.push_back(std::string(HARVELUX_BUILD_MODULE_DIR "/") + kReaderModuleFile);
    }
    return candidates;
}

// The module is opened once, on first use, and stays loaded: its libraries
// keep global state that is not made to be unloaded. The first candidate
// that exists is the one loaded; if it cannot be, its error is the one told.
LoadedModule openModule() {
    LoadedModule loaded;
    const std::vector<std::string> candidates = moduleCandidates();
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const std::string& path) { return access(path.c_str(), R_OK) == 0; });
    if (found == candidates.end()) {
        loaded.error = std::string(kReaderModuleFile) + " is not installed beside the program";
        return loaded;
    }
    void* handle = dlopen(found->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        loaded.error = why ? why : *found;
        return loaded;
    }
    using Entry = const ReaderModuleTable* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, kReaderModuleEntry));
    const ReaderModuleTable* table = entry ? entry() : nullptr;
    if (!table || table->abiVersion != kReaderModuleAbi || !table->readHtml || !table->readPdf) {
        loaded.error = *found + " is not this program's reader module";
        return loaded;
    }
    loaded.table = table;
    return loaded;
}

const ReaderModuleTable& readers(const char* format) {
    if (const ReaderModuleTable* linked = linkedTable.load(std::memory_order_acquire)) return *linked;
    static const LoadedModule loaded = openModule();  // thread-safe, once
    if (!loaded.table) throw EngineError(std::string("the ") + format + " reader cannot be loaded: " + loaded.error);
    return *loaded.table;
}

std::string finish(int outcome, std::string&& text) {
    if (outcome >= kReaderEngineError && outcome <= kReaderEngineError + static_cast<int>(UnreadableReason::TooLarge))
        throw EngineError(text, static_cast<UnreadableReason>(outcome - kReaderEngineError));
    switch (outcome) {
        case kReaderRead:
            return std::move(text);
        case kReaderOutOfMemory:
            throw std::bad_alloc();
        default:
            throw std::runtime_error(text);
    }
}

}  // namespace

std::string readHtmlThroughModule(std::string_view data) {
    std::string text;
    const int outcome = readers("HTML").readHtml(data.data(), data.size(), &text);
    return finish(outcome, std::move(text));
}

std::string readPdfThroughModule(std::string_view data) {
    std::string text;
    const int outcome = readers("PDF").readPdf(data.data(), data.size(), &text);
    return finish(outcome, std::move(text));
}

void useLinkedReaders(const ReaderModuleTable* table) { linkedTable.store(table, std::memory_order_release); }

}  // namespace harvelux::wordproc
