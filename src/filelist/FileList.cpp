#include "filelist/FileList.h"

#include "common/Twips.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <stdexcept>

namespace harvelux::filelist {

namespace {

QTreeWidgetItem* makeItem(const std::string& path) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(path));
    // Items are plain text: not editable, not a drop target of their own.
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    return item;
}

}  // namespace

void FileList::SetUpColumn() {
    view_.setColumnCount(1);
    view_.setHeaderHidden(false);
    view_.setHeaderLabels({QString::fromUtf8(kFileListCaption)});
    view_.setColumnWidth(0, twipsToPixels(kInitialColumnTwips));
    hasColumn_ = true;
}

void FileList::AppendItem(const std::string& path) { view_.addTopLevelItem(makeItem(path)); }

void FileList::AppendItems(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(paths.size()));
    for (const std::string& path : paths) items.append(makeItem(path));
    view_.addTopLevelItems(items);
}

void FileList::ClearList() { view_.clear(); }

void FileList::ClearSelected() {
    for (int i = view_.topLevelItemCount() - 1; i >= 0; --i) {
        const QTreeWidgetItem* item = view_.topLevelItem(i);
        if (item && item->isSelected()) delete view_.takeTopLevelItem(i);
    }
}

void FileList::RemoveCurrentItem() {
    QTreeWidgetItem* current = view_.currentItem();
    if (!current || !current->isSelected()) return;
    const int index = view_.indexOfTopLevelItem(current);
    if (index < 0) return;
    delete view_.takeTopLevelItem(index);
}

int FileList::count() const { return view_.topLevelItemCount(); }

std::string FileList::itemText(int index) const {
    if (index < 1 || index > count()) throw std::out_of_range("Index out of bounds");
    return view_.topLevelItem(index - 1)->text(0).toStdString();
}

std::vector<std::string> FileList::items() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count()));
    for (int i = 1; i <= count(); ++i) texts.push_back(itemText(i));
    return texts;
}

}  // namespace harvelux::filelist
