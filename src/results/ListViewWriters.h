// The three export formats of a results list, one writer each, shared by the
// results window and the command-line extractor:
//
//  - text file: column-aligned, every cell padded to its column's width
//    (captions included) and followed by TAB, lines ending in CR LF, a
//    header line of captions, and one more CR LF at the end;
//  - comma file: a caption line joined by ", ", then each row's cells each
//    followed by ", " (the last one only when it is also the first), lines
//    ending in CR LF, and one more CR LF at the end;
//  - clipboard: column-aligned without header, cells separated by TAB, the
//    last cell of a line without padding, trailing spaces removed.
//
// Only checked rows are written; widths are measured over every row, in
// UTF-16 units as the desktop list counts them. `pump` lets a window process
// pending messages during long exports; it may be empty.
//
// The writers hand their bytes on in pieces of bounded size as they go: a
// padded file is rows x widest cell, which may be far more than memory holds.
#pragma once

#include "platform/Platform.h"
#include "results/ListViewSource.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace harvelux::results {

using ExportPump = std::function<void()>;
// Takes the next piece of an export; false stops the export (the write failed).
using ExportOutput = std::function<bool(std::string_view)>;

// The formats piece by piece to `output`; false when `output` refused a piece.
bool writeTextFile(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump = {});
bool writeCommaFile(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump = {});
// Writes nothing when the list has no rows.
bool writeClipboardText(const ListViewSource& list, const ExportOutput& output, const ExportPump& pump = {});

// The same formats whole in memory.

std::string buildTextFile(const ListViewSource& list, const ExportPump& pump = {});
std::string buildCommaFile(const ListViewSource& list, const ExportPump& pump = {});
// Nothing when the list has no rows (the clipboard is then left alone).
std::optional<std::string> buildClipboardText(const ListViewSource& list, const ExportPump& pump = {});

// Write the file whole or not at all; false with a sentence in `error` when
// it cannot be written, memory included (any existing file is then left as
// it was). With a pump, the file is flushed to disk on a worker thread while
// this one goes on pumping, so the window stays alive however long the disk
// takes.
bool ListViewToTextFile(const ListViewSource& list, const std::string& path, std::string& error,
                        const ExportPump& pump = {});
bool ListViewToCommaFile(const ListViewSource& list, const std::string& path, std::string& error,
                         const ExportPump& pump = {});
// May throw std::bad_alloc: the clipboard takes the text whole.
void ListViewToClipboard(const ListViewSource& list, platform::Platform& platform, const ExportPump& pump = {});

}  // namespace harvelux::results
