#include "results/ResultsRowCommands.h"

#include "results/DocumentLocation.h"
#include "results/ResultsMenu.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

namespace harvelux::results {

namespace {

void openThrough(platform::Platform& platform, const std::string& target, const std::string& what) {
    if (target.empty()) return;
    if (!platform.shellOpen(target)) platform::showMessage(platform, what + " could not be opened:\r\r" + target);
}

}  // namespace

std::vector<int> selectedListRows(const ResultsList& list) {
    std::vector<int> rows;
    const QItemSelectionModel* selection = list.widget().selectionModel();
    if (!selection) return rows;
    for (const QModelIndex& index : selection->selectedRows())
        if (const int row = list.rowOf(index); row > 0) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::string addressesText(const ResultsList& list, const std::vector<int>& rows) {
    std::string text;
    for (const int row : rows) {
        if (!text.empty()) text += "\r\n";
        text += list.cell(row, list.addressColumn());
    }
    return text;
}

std::string documentOfRow(const ResultsList& list, int row) {
    if (list.addressColumn() > 1) {
        std::string path = list.cell(row, 1);
        if (!path.empty()) return path;
    }
    const extract::AddressIndex::Entry* entry = list.entryOf(row);
    if (!entry || entry->documents.empty() || !list.index()) return {};
    return list.index()->documentName(entry->documents.front().document);
}

void openDocumentOfRow(const ResultsList& list, const std::vector<int>& rows, platform::Platform& platform) {
    if (rows.empty()) return;
    const std::string document = documentOfRow(list, rows.front());
    if (!document.empty()) openThrough(platform, documentFileOnDisk(document), "The document");
}

void showFolderOfRow(const ResultsList& list, const std::vector<int>& rows, platform::Platform& platform) {
    if (rows.empty()) return;
    const std::string document = documentOfRow(list, rows.front());
    if (!document.empty()) openThrough(platform, folderOf(documentFileOnDisk(document)), "The folder");
}

void runRowCommand(const ResultsList& list, int id, platform::Platform& platform) {
    const std::vector<int> rows = selectedListRows(list);
    switch (id) {
        case kCommandCopyAddress:
            if (const std::string text = addressesText(list, rows); !text.empty()) platform.setClipboardText(text);
            break;
        case kCommandOpenDocument:
            openDocumentOfRow(list, rows, platform);
            break;
        case kCommandShowInFolder:
            showFolderOfRow(list, rows, platform);
            break;
        default:
            break;
    }
}

void runTickCommand(ResultsList& list, int id) {
    if (id == kCommandTickShownOnly)
        list.checkShownOnly();
    else if (id == kCommandTickAll || id == kCommandUntickAll)
        list.setAllChecked(id == kCommandTickAll);
}

}  // namespace harvelux::results
