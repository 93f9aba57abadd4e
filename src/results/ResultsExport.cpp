#include "results/ResultsExport.h"

#include "common/FileExists.h"
#include "platform/ThrottledPump.h"

#include <new>
#include <vector>

namespace harvelux::results {

namespace {

const std::vector<platform::FileFilter>& saveFilters() {
    static const std::vector<platform::FileFilter> filters{{"Text Files (*.txt)", "*.txt"}, {"All Files (*)", "*"}};
    return filters;
}

}  // namespace

std::string overwriteQuestion(const std::string& path) { return "Are you sure you wish to overwrite " + path + " ?"; }

void saveListToFile(const ListViewSource& list, ListFileWriter writer, platform::Platform& platform,
                    platform::Pointer& pointer) {
    const std::string path = platform.saveDialog(kSaveDialogTitle, saveFilters());
    if (path.empty()) return;
    if (FileExists(path) && !platform::askYesNo(platform, overwriteQuestion(path))) return;

    std::string error;
    bool written = false;
    {
        platform::HourglassScope hourglass(pointer);
        platform::ThrottledPump pump([&platform] { platform.processEvents(); });
        written = writer(list, path, error, [&pump] { pump(); });
    }
    if (!written) {
        platform::showMessage(platform, error +
                                            "\r\rThe results are still in the list; you can save them "
                                            "under another name or in another folder.");
        return;
    }
    platform::showMessage(platform, kDoneMessage);
}

void copyListToClipboard(const ListViewSource& list, platform::Platform& platform) {
    platform::ThrottledPump pump([&platform] { platform.processEvents(); });
    try {
        ListViewToClipboard(list, platform, [&pump] { pump(); });
    } catch (const std::bad_alloc&) {
        platform::showMessage(platform, kClipboardTooLargeMessage);
        return;
    }
    platform::showMessage(platform, kClipboardMessage);
}

}  // namespace harvelux::results
