#include "results/ResultsModel.h"

#include "common/RowAnnouncement.h"
#include "common/Utf8.h"
#include "results/RowOrder.h"

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
    baseCaptions_ = captions;
    // A new layout starts in the order found in.
    sortColumn_ = -1;
    descending_ = false;
    updateCaptions();
    endResetModel();
}

void ResultsModel::setIndexColumns(std::vector<IndexColumn> columns) {
    beginResetModel();
    const std::optional<IndexColumn> sorted = indexColumnAt(sortColumn_);
    indexColumns_ = std::move(columns);
    // A sort by an optional column follows it to its new place, or ends
    // with the column.
    if (sorted) {
        sortColumn_ = -1;
        for (std::size_t i = 0; i < indexColumns_.size(); ++i)
            if (indexColumns_[i] == *sorted) sortColumn_ = baseColumnCount() + static_cast<int>(i);
        reorder();
    }
    updateCaptions();
    endResetModel();
}

void ResultsModel::updateCaptions() {
    captions_ = baseCaptions_;
    for (const IndexColumn column : indexColumns_) captions_ << QString::fromUtf8(indexColumnCaption(column));
}

std::optional<IndexColumn> ResultsModel::indexColumnAt(int column) const {
    const int at = column - baseColumnCount();
    if (column < 0 || at < 0 || at >= static_cast<int>(indexColumns_.size())) return std::nullopt;
    return indexColumns_[static_cast<std::size_t>(at)];
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
    if (row < announced_ && baseCaptions_.size() > 1) announceChange(row, 1, Qt::DisplayRole);
}

void ResultsModel::setRowChecked(std::size_t row, bool checked) {
    if (row >= store_.size() || store_.checked(row) == checked) return;
    store_.setChecked(row, checked);
    if (row < announced_ && !captions_.isEmpty()) announceChange(row, 0, Qt::CheckStateRole);
}

void ResultsModel::setAllChecked(bool checked) {
    for (std::size_t row = 0; row < store_.size(); ++row) store_.setChecked(row, checked);
    if (rowCount() > 0 && !captions_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void ResultsModel::checkShownOnly() {
    if (!ordered()) {
        setAllChecked(true);
        return;
    }
    for (std::size_t row = 0; row < store_.size(); ++row)
        store_.setChecked(row, row < viewOf_.size() && viewOf_[row] != 0);
    if (rowCount() > 0 && !captions_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

std::size_t ResultsModel::shownCheckedCount() const {
    if (!ordered()) return store_.checkedCount();
    std::size_t ticked = 0;
    for (const std::uint32_t row : order_) ticked += store_.checked(row) ? 1U : 0U;
    return ticked;
}

void ResultsModel::announceChange(std::size_t row, int column, int role) {
    if (const std::optional<int> at = viewRowOf(row)) {
        const QModelIndex cell = index(*at, column);
        emit dataChanged(cell, cell, {role});
    }
}

std::optional<int> ResultsModel::viewRowOf(std::size_t row) const {
    if (!ordered()) return row < announced_ ? std::optional<int>(static_cast<int>(row)) : std::nullopt;
    if (row >= viewOf_.size() || viewOf_[row] == 0) return std::nullopt;
    return static_cast<int>(viewOf_[row] - 1);
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
    std::vector<std::uint32_t>().swap(order_);
    std::vector<std::uint32_t>().swap(viewOf_);
}

void ResultsModel::announcePendingRows() {
    announceTimer_.stop();
    if (announced_ == store_.size()) return;
    if (ordered()) {
        // New rows may fall anywhere in a sorted or filtered list.
        beginResetModel();
        announced_ = store_.size();
        reorder();
        endResetModel();
        return;
    }
    beginInsertRows(QModelIndex(), static_cast<int>(announced_), static_cast<int>(store_.size() - 1));
    announced_ = store_.size();
    endInsertRows();
}

const extract::AddressIndex::Entry* ResultsModel::entryOf(std::size_t row) const {
    if (!index_ || row >= store_.size() || baseCaptions_.isEmpty()) return nullptr;
    const std::string_view address = store_.text(row, baseColumnCount() - 1);
    if (address.empty()) return nullptr;
    const std::optional<std::size_t> entry = index_->find(address);
    return entry ? &index_->entry(*entry) : nullptr;
}

std::string ResultsModel::cellText(std::size_t row, int column) const {
    if (column < baseColumnCount()) return std::string(store_.text(row, column));
    const std::optional<IndexColumn> optional = indexColumnAt(column);
    const extract::AddressIndex::Entry* entry = optional ? entryOf(row) : nullptr;
    return entry ? indexCellText(*index_, *entry, *optional) : std::string();
}

void ResultsModel::setFilter(const QString& text) {
    RowFilter filter(text);
    if (filter.text() == filter_.text()) return;
    beginResetModel();
    filter_ = std::move(filter);
    announced_ = store_.size();
    reorder();
    endResetModel();
}

void ResultsModel::sortBy(int column, bool descending) {
    if (column >= columnCount()) column = -1;
    beginResetModel();
    sortColumn_ = column < 0 ? -1 : column;
    descending_ = sortColumn_ >= 0 && descending;
    announced_ = store_.size();
    reorder();
    endResetModel();
}

bool ResultsModel::keeps(std::size_t row) const {
    for (int column = 0; column < baseColumnCount(); ++column)
        if (filter_.matches(store_.text(row, column))) return true;
    const extract::AddressIndex::Entry* entry = entryOf(row);
    if (!entry) return false;
    for (const extract::AddressIndex::NameCount& name : entry->names)
        if (filter_.matches(index_->displayName(name.name))) return true;
    for (const extract::AddressIndex::DocumentRef& document : entry->documents)
        if (filter_.matches(index_->documentName(document.document))) return true;
    return false;
}

int ResultsModel::compareRows(std::size_t a, std::size_t b) const {
    if (sortColumn_ < baseColumnCount()) {
        const int sign = compareTextsCaseBlind(store_.text(a, sortColumn_), store_.text(b, sortColumn_));
        return sign;
    }
    const IndexColumn column = *indexColumnAt(sortColumn_);
    const extract::AddressIndex::Entry* x = entryOf(a);
    const extract::AddressIndex::Entry* y = entryOf(b);
    // Rows the index does not know of sort after those it does.
    if (!x || !y) return (x ? -1 : 0) + (y ? 1 : 0);
    return compareIndexCells(*index_, *x, *y, column);
}

void ResultsModel::reorder() {
    std::vector<std::uint32_t>().swap(order_);
    std::vector<std::uint32_t>().swap(viewOf_);
    if (!ordered()) return;
    const std::size_t rows = std::min(announced_, store_.size());
    std::function<bool(std::size_t)> keep;
    if (!filter_.empty()) keep = [this](std::size_t row) { return keeps(row); };
    std::function<int(std::size_t, std::size_t)> compare;
    if (sortColumn_ >= 0) {
        // Every row's entry looked up once, not once per comparison.
        std::vector<const extract::AddressIndex::Entry*> entries;
        if (indexColumnAt(sortColumn_)) {
            entries.resize(rows);
            for (std::size_t row = 0; row < rows; ++row) entries[row] = entryOf(row);
        }
        compare = [this, entries = std::move(entries)](std::size_t a, std::size_t b) {
            if (entries.empty()) return compareRows(a, b);
            const extract::AddressIndex::Entry* x = entries[a];
            const extract::AddressIndex::Entry* y = entries[b];
            if (!x || !y) return (x ? -1 : 0) + (y ? 1 : 0);
            return compareIndexCells(*index_, *x, *y, *indexColumnAt(sortColumn_));
        };
    }
    order_ = orderedRows(rows, keep, compare, descending_);
    viewOf_.assign(store_.size(), 0);
    for (std::size_t i = 0; i < order_.size(); ++i) viewOf_[order_[i]] = static_cast<std::uint32_t>(i + 1);
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(ordered() ? order_.size() : announced_);
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t row = storeRowOf(index);
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            if (column < baseColumnCount()) return toQString(store_.text(row, column));
            return toQString(cellText(row, column));
        case Qt::ToolTipRole: {
            // The whole path of a path cell that may be shown shortened.
            if (column < baseColumnCount() - 1) return toQString(store_.text(row, column));
            const std::optional<IndexColumn> optional = indexColumnAt(column);
            const extract::AddressIndex::Entry* entry = optional ? entryOf(row) : nullptr;
            if (!entry) return {};
            const std::string tip = indexCellToolTip(*index_, *entry, *optional);
            return tip.empty() ? QVariant() : QVariant(toQString(tip));
        }
        case Qt::CheckStateRole:
            if (column == 0) return store_.checked(row) ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::TextAlignmentRole: {
            const std::optional<IndexColumn> optional = indexColumnAt(column);
            if (optional == IndexColumn::Documents || optional == IndexColumn::Times)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        }
        default:
            return {};
    }
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 || index.row() >= rowCount())
        return false;
    setRowChecked(storeRowOf(index), value.toInt() == Qt::Checked);
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
