#include "results/CsvExport.h"

#include "common/AtomicFile.h"
#include "common/FileExists.h"
#include "results/AddressTable.h"
#include "results/ResultsExport.h"

#include <new>

namespace harvelux::results {

std::string withCsvExtension(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::string_view file =
        slash == std::string::npos ? std::string_view(name) : std::string_view(name).substr(slash + 1);
    // A leading dot makes a hidden file, not an extension.
    const std::size_t dot = file.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) return name;
    return name + ".csv";
}

void saveIndexAsCsv(const extract::AddressIndex& index, const std::vector<std::size_t>& entries,
                    platform::Platform& platform, platform::Pointer& pointer) {
    static const std::vector<platform::FileFilter> filters{{"CSV Files (*.csv)", "*.csv"}, {"All Files (*)", "*"}};
    const std::string chosen = platform.saveDialog(kSaveDialogTitle, filters);
    if (chosen.empty()) return;
    const std::string path = withCsvExtension(chosen);
    if (FileExists(path) && !platform::askYesNo(platform, overwriteQuestion(path))) return;

    AtomicFile file;
    bool written = false;
    {
        platform::HourglassScope hourglass(pointer);
        try {
            written = file.open(path) &&
                      writeAddressCsv(index, entries, [&file](std::string_view piece) { return file.write(piece); }) &&
                      file.commit();
        } catch (const std::bad_alloc&) {
            file.abandon("not enough memory to write " + path);
        }
    }
    if (!written) {
        platform::showMessage(platform, file.error() +
                                            "\r\rThe results are still in the list; you can save them "
                                            "under another name or in another folder.");
        return;
    }
    platform::showMessage(platform, kDoneMessage);
}

}  // namespace harvelux::results
