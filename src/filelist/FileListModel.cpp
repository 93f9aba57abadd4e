#include "filelist/FileListModel.h"

#include "common/RowAnnouncement.h"
#include "common/Utf8.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace harvelux::filelist {

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {
    announceTimer_.setSingleShot(true);
    connect(&announceTimer_, &QTimer::timeout, this, &FileListModel::announcePendingRows);
}

void FileListModel::setCaption(const QString& caption) {
    caption_ = caption;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void FileListModel::checkRoom(std::size_t more) const {
    // Views count rows in int.
    if (more > static_cast<std::size_t>(INT_MAX) - paths_.size())
        throw std::length_error("The file list cannot hold any more items.");
}

void FileListModel::scheduleAnnouncement() {
    if (pendingRowCount() > 0 && !announceTimer_.isActive()) announceTimer_.start(rowAnnounceDelay(announced_));
}

void FileListModel::append(std::string path) {
    checkRoom(1);
    paths_.push_back(std::move(path));
    scheduleAnnouncement();
}

void FileListModel::append(const std::vector<std::string>& paths) {
    checkRoom(paths.size());
    paths_.insert(paths_.end(), paths.begin(), paths.end());
    scheduleAnnouncement();
}

void FileListModel::clear() {
    beginResetModel();
    announceTimer_.stop();
    // Swapped out rather than cleared, so the memory goes back at once.
    std::vector<std::string>().swap(paths_);
    announced_ = 0;
    endResetModel();
}

void FileListModel::removeAt(std::size_t row) {
    if (row >= paths_.size()) throw std::out_of_range("Index out of bounds");
    if (row < announced_) {
        const int at = static_cast<int>(row);
        beginRemoveRows(QModelIndex(), at, at);
        paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(row));
        --announced_;
        endRemoveRows();
    } else {
        paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(row));
    }
}

std::size_t FileListModel::removeMarked(const std::vector<bool>& marked) {
    const std::size_t limit = std::min(marked.size(), paths_.size());
    const std::size_t first = static_cast<std::size_t>(
        std::find(marked.begin(), marked.begin() + static_cast<std::ptrdiff_t>(limit), true) - marked.begin());
    if (first == limit) return 0;

    beginResetModel();
    announceTimer_.stop();
    std::size_t kept = first;
    for (std::size_t row = first + 1; row < paths_.size(); ++row)
        if (row >= limit || !marked[row]) paths_[kept++] = std::move(paths_[row]);
    const std::size_t removed = paths_.size() - kept;
    paths_.resize(kept);
    // The reset tells the views of every row there is.
    announced_ = paths_.size();
    endResetModel();
    return removed;
}

void FileListModel::announcePendingRows() {
    announceTimer_.stop();
    if (announced_ == paths_.size()) return;
    beginInsertRows(QModelIndex(), static_cast<int>(announced_), static_cast<int>(paths_.size() - 1));
    announced_ = paths_.size();
    endInsertRows();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(announced_);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.column() != 0 ||
        static_cast<std::size_t>(index.row()) >= announced_)
        return {};
    // A path keeps the file system's bytes; a name that is not UTF-8 is
    // shown with "?" for the bytes that cannot be decoded.
    const std::string text = withQuestionMarks(paths_[static_cast<std::size_t>(index.row())]);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    // Items are plain text: not editable, not a drop target of their own.
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section != 0) return {};
    return caption_;
}

}  // namespace harvelux::filelist
