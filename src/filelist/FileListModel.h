// The item model behind the file list: one column of document paths, kept
// in list order as the bytes the file system gave (UTF-8, unless a name is
// not) and shown with "?" for bytes that are not UTF-8.
//
// Paths are stored the moment they are appended, but views hear of new rows
// in batches: when control returns to the event loop, after a delay that
// grows with the rows the views already hold (rowAnnounceDelay), or whenever
// `announcePendingRows` is called. A QTreeView lays out all of its rows each
// time it is told of new ones, so announcing every path of a long scan one by
// one would make filling the list quadratic. Everything but the views' row
// count sees the stored paths at once.
//
// Removing many rows (`removeMarked`) compacts the paths in one pass and
// resets the views instead of removing row after row, which would make each
// removal cost time in proportion to the whole list and the selection.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <string>
#include <vector>

namespace harvelux::filelist {

class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit FileListModel(QObject* parent = nullptr);

    // The column's caption; none until the list's column is set up.
    void setCaption(const QString& caption);

    // Rows are numbered from 0.
    std::size_t size() const { return paths_.size(); }
    const std::string& path(std::size_t row) const { return paths_.at(row); }

    void append(std::string path);
    void append(const std::vector<std::string>& paths);
    // Removes every row.
    void clear();
    // Removes one row.
    void removeAt(std::size_t row);
    // Removes every row whose flag is set (`marked` may be shorter than the
    // list: rows past its end stay); the others keep their order. Returns
    // how many rows went.
    std::size_t removeMarked(const std::vector<bool>& marked);

    // Rows stored but not yet announced to the views.
    std::size_t pendingRowCount() const { return paths_.size() - announced_; }
    void announcePendingRows();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void checkRoom(std::size_t more) const;
    void scheduleAnnouncement();

    QString caption_;
    std::vector<std::string> paths_;
    std::size_t announced_ = 0;
    QTimer announceTimer_;
};

}  // namespace harvelux::filelist
