#include "filelist/FileList.h"

#include "common/Twips.h"
#include "filelist/FileListModel.h"
#include "filelist/FileListView.h"

#include <QItemSelectionModel>

#include <optional>
#include <stdexcept>

namespace harvelux::filelist {

void FileList::SetUpColumn() {
    view_.listModel().setCaption(QString::fromUtf8(kFileListCaption));
    view_.setHeaderHidden(false);
    view_.setColumnWidth(0, twipsToPixels(kInitialColumnTwips));
    hasColumn_ = true;
}

void FileList::AppendItem(const std::string& path) { view_.listModel().append(path); }

void FileList::AppendItems(const std::vector<std::string>& paths) { view_.listModel().append(paths); }

void FileList::ClearList() { view_.listModel().clear(); }

void FileList::ClearSelected() {
    FileListModel& model = view_.listModel();
    const QItemSelectionModel* selection = view_.selectionModel();
    if (!selection || !selection->hasSelection()) return;

    // The selection is a list of ranges: marking their rows costs one pass
    // over the ranges and the rows they cover, where asking row by row
    // whether it is selected would cost a pass over the ranges for each row.
    std::vector<bool> marked(model.size(), false);
    for (const QItemSelectionRange& range : selection->selection()) {
        if (!range.isValid() || range.parent().isValid()) continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (row >= 0 && static_cast<std::size_t>(row) < marked.size()) marked[static_cast<std::size_t>(row)] = true;
    }

    // An item that holds the focus without being selected stays, and keeps
    // the focus at its new place.
    std::optional<int> focus;
    const QModelIndex current = view_.currentIndex();
    if (current.isValid() && static_cast<std::size_t>(current.row()) < marked.size() &&
        !marked[static_cast<std::size_t>(current.row())]) {
        int before = 0;
        for (int row = 0; row < current.row(); ++row) before += marked[static_cast<std::size_t>(row)] ? 1 : 0;
        focus = current.row() - before;
    }

    if (model.removeMarked(marked) == 0) return;
    if (focus) view_.selectionModel()->setCurrentIndex(model.index(*focus, 0), QItemSelectionModel::NoUpdate);
}

void FileList::RemoveCurrentItem() {
    const QModelIndex current = view_.currentIndex();
    if (!current.isValid() || !view_.selectionModel()->isSelected(current)) return;
    view_.listModel().removeAt(static_cast<std::size_t>(current.row()));
}

int FileList::count() const { return static_cast<int>(view_.listModel().size()); }

std::string FileList::itemText(int index) const {
    if (index < 1 || index > count()) throw std::out_of_range("Index out of bounds");
    return view_.listModel().path(static_cast<std::size_t>(index - 1));
}

std::vector<std::string> FileList::items() const {
    const FileListModel& model = view_.listModel();
    std::vector<std::string> texts;
    texts.reserve(model.size());
    for (std::size_t row = 0; row < model.size(); ++row) texts.push_back(model.path(row));
    return texts;
}

}  // namespace harvelux::filelist
