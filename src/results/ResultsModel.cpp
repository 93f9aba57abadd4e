#include "results/ResultsModel.h"

#include "common/RowAnnouncement.h"
#include "common/Utf8.h"

#include <climits>
#include <stdexcept>

namespace harvelux::results {

namespace {

// A document path that is not UTF-8 is shown as the file list shows it.
QString toQString(std::string_view utf8) {
    if (isValidUtf8(utf8)) return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const std::string shown = withQuestionMarks(utf8);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

}  // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {
    announceTimer_.setSingleShot(true);
    connect(&announceTimer_, &QTimer::timeout, this, &ResultsModel::announcePendingRows);
}

void ResultsModel::setCaptions(const QStringList& captions) {
    beginResetModel();
    dropRows();
    captions_ = captions;
    endResetModel();
}

std::size_t ResultsModel::appendRow(std::string_view first) {
    // Views count rows in int.
    if (store_.size() >= static_cast<std::size_t>(INT_MAX))
        throw std::length_error("The results list cannot hold any more rows.");
    const std::size_t row = store_.append(first);
    if (!announceTimer_.isActive()) announceTimer_.start(rowAnnounceDelay(announced_));
    return row;
}

void ResultsModel::setSecondColumn(std::size_t row, std::string_view text) {
    store_.setSecond(row, text);
    if (row < announced_ && captions_.size() > 1) {
        const QModelIndex at = index(static_cast<int>(row), 1);
        emit dataChanged(at, at, {Qt::DisplayRole});
    }
}

void ResultsModel::setRowChecked(std::size_t row, bool checked) {
    if (row >= store_.size() || store_.checked(row) == checked) return;
    store_.setChecked(row, checked);
    if (row < announced_ && !captions_.isEmpty()) {
        const QModelIndex at = index(static_cast<int>(row), 0);
        emit dataChanged(at, at, {Qt::CheckStateRole});
    }
}

void ResultsModel::clearRows() {
    // A reset rather than a removal: views drop their rows in one go, and
    // the columns (and their widths) stay.
    beginResetModel();
    dropRows();
    endResetModel();
}

void ResultsModel::dropRows() {
    announceTimer_.stop();
    store_.clear();
    announced_ = 0;
}

void ResultsModel::announcePendingRows() {
    announceTimer_.stop();
    if (announced_ == store_.size()) return;
    beginInsertRows(QModelIndex(), static_cast<int>(announced_), static_cast<int>(store_.size() - 1));
    announced_ = store_.size();
    endInsertRows();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(announced_);
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= announced_) return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return toQString(store_.text(row, index.column()));
        case Qt::CheckStateRole:
            if (index.column() == 0) return store_.checked(row) ? Qt::Checked : Qt::Unchecked;
            return {};
        default:
            return {};
    }
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 ||
        static_cast<std::size_t>(index.row()) >= announced_)
        return false;
    setRowChecked(static_cast<std::size_t>(index.row()), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == 0) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= captions_.size())
        return {};
    return captions_.at(section);
}

}  // namespace harvelux::results
