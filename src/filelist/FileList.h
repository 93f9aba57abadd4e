// The file list: the documents the next extraction run reads, kept in the
// model of the main window's list view, numbered 1 to count in list order.
// An item's text is a document path exactly as the adding operation built
// it; duplicates are allowed and nothing is stored between sessions.
#pragma once

#include "extract/ExtractionRun.h"

#include <string>
#include <vector>

namespace harvelux::filelist {

class FileListView;

inline constexpr const char* kFileListCaption = "Drag and drop Word files here. Double-click item to remove it.";
inline constexpr const char* kFileListToolTip = "Drag and drop files here. Double-click item to remove it.";
inline constexpr long long kInitialColumnTwips = 6200;

class FileList final : public extract::FileListSource {
public:
    explicit FileList(FileListView& view) : view_(view) {}

    // The one column with the usage caption, 6200 twips wide.
    void SetUpColumn();
    bool hasColumn() const { return hasColumn_; }

    // Adds one item at the end.
    void AppendItem(const std::string& path);
    // Adds the paths at the end, in order, in one update of the view.
    void AppendItems(const std::vector<std::string>& paths);

    // Removes every item; the column stays.
    void ClearList();
    // Removes every selected item; the others keep their order. (The same
    // as walking down from the last item and removing each selected one,
    // in one pass over the list.)
    void ClearSelected();
    // Removes the current item (the selected item holding the focus); does
    // nothing when there is none.
    void RemoveCurrentItem();

    int count() const override;
    // The text of item `index` (1 to count); throws std::out_of_range.
    std::string itemText(int index) const override;
    std::vector<std::string> items() const;

private:
    FileListView& view_;
    bool hasColumn_ = false;
};

}  // namespace harvelux::filelist
