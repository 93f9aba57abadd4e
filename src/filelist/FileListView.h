// The file list's view (ListView1): a one-column report list with extended
// selection over a FileListModel of its own, which reports the Delete key
// (with any modifiers) and double-clicks, and takes drops of files and
// folders.
// Only drags that carry a list of local files are accepted; anything else
// (plain text, web links) shows the no-drop effect.
//
// The view only reports what the user did; the window decides whether to act
// (it ignores these while a run or a folder scan is under way).
#pragma once

#include <QTreeView>

#include <string>
#include <vector>

class QMimeData;

namespace harvelux::filelist {

// The local file paths a drag carries, in the order the source put them;
// empty when it carries no file list.
std::vector<std::string> droppedFilePaths(const QMimeData* data);

class FileListModel;

class FileListView final : public QTreeView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    FileListModel& listModel() const { return *model_; }
    // The model index of item `index` (1 to count), after telling the view
    // of every item appended so far; invalid for an index out of range.
    QModelIndex itemIndex(int index);

signals:
    void deletePressed();
    void doubleClickedList();
    void filesDropped(const std::vector<std::string>& paths);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FileListModel* model_;  // owned by the view
};

}  // namespace harvelux::filelist
