// The export commands of the results window, apart from the window: the
// save dialog, the overwrite question, the hourglass while a writer runs,
// and the closing message. The window guards them against being re-entered.
#pragma once

#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "results/ListViewWriters.h"

#include <string>

namespace harvelux::results {

inline constexpr const char* kSaveDialogTitle = "Save";
inline constexpr const char* kDoneMessage = "Done.";
inline constexpr const char* kClipboardMessage =
    "Results have been copied to the clipboard.\r\r"
    "Click a text area where you normally type and press Ctrl+V to paste the clipboard.";
inline constexpr const char* kClipboardTooLargeMessage =
    "The results are too large to copy to the clipboard; they are still in the list.\r\r"
    "Save them to a file instead.";

std::string overwriteQuestion(const std::string& path);

// One of the file writers of ListViewWriters.h.
using ListFileWriter = bool (*)(const ListViewSource& list, const std::string& path, std::string& error,
                                const ExportPump& pump);

// Asks for a file and writes the list there with `writer`. Cancelling the
// dialog or answering anything but Yes to the overwrite question does
// nothing. A file that cannot be written is reported and left as it was.
void saveListToFile(const ListViewSource& list, ListFileWriter writer, platform::Platform& platform,
                    platform::Pointer& pointer);

// Copies the list to the clipboard and says so (also when the list is
// empty and the clipboard is left alone). A text too large for memory is
// said to be so, and the clipboard is left alone.
void copyListToClipboard(const ListViewSource& list, platform::Platform& platform);

}  // namespace harvelux::results
