#include "results/ResultsList.h"

#include "common/Twips.h"
#include "results/ResultsModel.h"
#include "ui/WidgetLook.h"

#include <QFont>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

#include <algorithm>
#include <optional>

namespace harvelux::results {

namespace {

// Row numbers from 1 as the list shows them, to the store's from 0; none
// for a row that is not there.
std::optional<std::size_t> storeRow(int row, const ResultsModel& model) {
    if (row < 1 || static_cast<std::size_t>(row) > model.shownCount()) return std::nullopt;
    return model.shownRow(static_cast<std::size_t>(row - 1));
}

}  // namespace

ResultsList::ResultsList(QWidget& parent) : view_(new QTreeView(&parent)), model_(new ResultsModel(view_)) {
    view_->setObjectName(QStringLiteral("ListView1"));
    view_->setFont(controlFont());
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    // Every row the same height: the view then works out what to paint from
    // the scroll position alone, whatever the number of rows.
    view_->setUniformRowHeights(true);
    view_->setSortingEnabled(false);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Long paths lose their middle, not the file name at their end; the
    // tooltip has them whole.
    view_->setTextElideMode(Qt::ElideMiddle);
    view_->setModel(model_);
    // Columns keep the widths they are given, as in a report-view list.
    // The last column's header runs on to the list's right edge.
    view_->header()->setStretchLastSection(true);
    view_->header()->setSectionsMovable(false);
}

QAbstractItemView& ResultsList::widget() const { return *view_; }

void ResultsList::setColumns(const std::vector<ResultColumn>& columns) {
    QStringList captions;
    for (const ResultColumn& column : columns) captions << QString::fromStdString(column.caption);
    model_->setCaptions(captions);
    baseWidthsTwips_.clear();
    for (const ResultColumn& column : columns) baseWidthsTwips_.push_back(column.widthTwips);
    setBaseWidths();
    for (std::size_t i = 0; i < model_->indexColumns().size(); ++i)
        view_->setColumnWidth(static_cast<int>(columns.size() + i),
                              twipsToPixels(indexColumnWidthTwips(model_->indexColumns()[i])));
    updateSortIndicator();
}

void ResultsList::clearRows() { model_->clearRows(); }

void ResultsList::setChecked(int row, bool checked) {
    if (const auto at = storeRow(row, *model_)) model_->setRowChecked(*at, checked);
}

void ResultsList::showPendingRows() { model_->announcePendingRows(); }

long long ResultsList::columnWidthTwips(int column) const {
    if (column < 1 || column > columnCount()) return 0;
    return pixelsToTwips(view_->columnWidth(column - 1));
}

int ResultsList::columnCount() const { return static_cast<int>(model_->captions().size()); }

std::string ResultsList::columnCaption(int column) const {
    if (column < 1 || column > columnCount()) return std::string();
    return model_->captions().at(column - 1).toStdString();
}

int ResultsList::rowCount() const { return static_cast<int>(model_->shownCount()); }

std::string ResultsList::cell(int row, int column) const {
    const auto at = storeRow(row, *model_);
    if (!at || column < 1 || column > columnCount()) return std::string();
    return model_->cellText(*at, column - 1);
}

std::size_t ResultsList::checkedCount() const { return model_->rows().checkedCount(); }

bool ResultsList::isChecked(int row) const {
    const auto at = storeRow(row, *model_);
    return at && model_->rows().checked(*at);
}

void ResultsList::setIndex(const extract::AddressIndex* index) {
    index_ = index;
    model_->setIndex(index);
}

void ResultsList::setIndexColumns(const std::vector<IndexColumn>& columns) {
    const bool wereShown = !model_->indexColumns().empty();
    std::vector<int> widths;
    for (int column = 0; column < model_->baseColumnCount(); ++column) widths.push_back(view_->columnWidth(column));
    model_->setIndexColumns(columns);
    // The list's own columns keep their widths while optional columns come
    // and go; the first optional column, or the last, changes them.
    if (wereShown == !columns.empty())
        for (std::size_t i = 0; i < widths.size(); ++i) view_->setColumnWidth(static_cast<int>(i), widths[i]);
    else
        setBaseWidths();
    for (std::size_t i = 0; i < columns.size(); ++i)
        view_->setColumnWidth(model_->baseColumnCount() + static_cast<int>(i),
                              twipsToPixels(indexColumnWidthTwips(columns[i])));
    updateSortIndicator();
}

const std::vector<IndexColumn>& ResultsList::indexColumns() const { return model_->indexColumns(); }

int ResultsList::addressColumn() const { return model_->baseColumnCount(); }

const extract::AddressIndex::Entry* ResultsList::entryOf(int row) const {
    const auto at = storeRow(row, *model_);
    return at ? model_->entryOf(*at) : nullptr;
}

void ResultsList::setFilter(const QString& text) { model_->setFilter(text); }

bool ResultsList::filtered() const { return !model_->filter().empty(); }

void ResultsList::sortBy(int column, bool descending) {
    model_->sortBy(column - 1, descending);
    updateSortIndicator();
}

int ResultsList::sortColumn() const { return model_->sortColumn() + 1; }

bool ResultsList::sortDescending() const { return model_->sortDescending(); }

void ResultsList::setBaseWidths() {
    // Beside optional columns an address takes 3600 twips, a path 3000.
    const bool compact = !model_->indexColumns().empty();
    for (std::size_t i = 0; i < baseWidthsTwips_.size(); ++i) {
        const long long narrow = baseWidthsTwips_.size() > 1 ? 3000 : 3600;
        const long long width = compact ? std::min(baseWidthsTwips_[i], narrow) : baseWidthsTwips_[i];
        view_->setColumnWidth(static_cast<int>(i), twipsToPixels(width));
    }
}

void ResultsList::updateSortIndicator() {
    QHeaderView* header = view_->header();
    header->setSortIndicatorShown(model_->sortColumn() >= 0);
    if (model_->sortColumn() >= 0)
        header->setSortIndicator(model_->sortColumn(),
                                 model_->sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

std::size_t ResultsList::totalRowCount() const { return model_->rows().size(); }

void ResultsList::setAllChecked(bool checked) { model_->setAllChecked(checked); }

void ResultsList::checkShownOnly() { model_->checkShownOnly(); }

std::size_t ResultsList::shownCheckedCount() const { return model_->shownCheckedCount(); }

int ResultsList::rowOf(const QModelIndex& index) const {
    return index.isValid() && index.model() == model_ ? index.row() + 1 : 0;
}

ResultsList::RowId ResultsList::addRow(const std::string& text) { return model_->appendRow(text); }

void ResultsList::setSecondColumn(RowId row, const std::string& text) { model_->setSecondColumn(row, text); }

}  // namespace harvelux::results
