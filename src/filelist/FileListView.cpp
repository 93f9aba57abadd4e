#include "filelist/FileListView.h"

#include "filelist/FileListModel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace harvelux::filelist {

std::vector<std::string> droppedFilePaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    // The path's own bytes, from its percent-encoded form: a name that is
    // not UTF-8 would not survive the trip through a QString.
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    return paths;
}

FileListView::FileListView(QWidget* parent) : QTreeView(parent), model_(new FileListModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    // No header until the list gets its column. The column is given its
    // width, and the header then runs on to the list's right edge: a
    // header that stops short looks cut off.
    setHeaderHidden(true);
    header()->setStretchLastSection(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
}

QModelIndex FileListView::itemIndex(int index) {
    model_->announcePendingRows();
    return model_->index(index - 1, 0);
}

void FileListView::keyPressEvent(QKeyEvent* event) {
    // The key alone counts: Shift+Delete and Ctrl+Delete remove too.
    if (event->key() == Qt::Key_Delete) {
        event->accept();
        emit deletePressed();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    emit doubleClickedList();
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFilePaths(event->mimeData()).empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

// Move events come only after dragEnterEvent accepted the drag, so its
// files are known to be there. Overridden all the same: the item view's own
// handling would refuse a drop on a model that takes none.
void FileListView::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void FileListView::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = droppedFilePaths(event->mimeData());
    if (paths.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(paths);
}

}  // namespace harvelux::filelist
