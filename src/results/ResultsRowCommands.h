// What the results list's context menu does with the rows selected: copy
// their addresses, open the document a row was found in, or show its folder
// in the desktop's file manager (both through the platform seam).
#pragma once

#include "platform/Platform.h"
#include "results/ResultsList.h"

#include <string>
#include <vector>

namespace harvelux::results {

// The rows selected (from 1, as shown), in the order shown.
std::vector<int> selectedListRows(const ResultsList& list);

// The addresses of `rows`, one a line (CR LF between them).
std::string addressesText(const ResultsList& list, const std::vector<int>& rows);

// The document row `row` stands for: its Filename cell, or the first
// document the address was found in; "" when neither is known.
std::string documentOfRow(const ResultsList& list, int row);

// Open the document of the first of `rows` (its container for an inner
// document), or its folder; a failure is said in a message box.
void openDocumentOfRow(const ResultsList& list, const std::vector<int>& rows, platform::Platform& platform);
void showFolderOfRow(const ResultsList& list, const std::vector<int>& rows, platform::Platform& platform);

// Runs Copy Address, Open Document or Show in Folder on the rows selected.
void runRowCommand(const ResultsList& list, int id, platform::Platform& platform);
// Runs Tick All, Untick All or Tick Shown Only.
void runTickCommand(ResultsList& list, int id);

}  // namespace harvelux::results
