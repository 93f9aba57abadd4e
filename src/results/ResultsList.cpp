#include "results/ResultsList.h"

#include "common/Twips.h"
#include "results/ResultsModel.h"
#include "ui/WidgetLook.h"

#include <QFont>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

#include <optional>

namespace harvelux::results {

namespace {

// Row numbers from 1 as the list counts them, to the model's from 0; none
// for a row that is not there.
std::optional<std::size_t> storeRow(int row, std::size_t rows) {
    if (row < 1 || static_cast<std::size_t>(row) > rows) return std::nullopt;
    return static_cast<std::size_t>(row - 1);
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
    for (std::size_t i = 0; i < columns.size(); ++i)
        view_->setColumnWidth(static_cast<int>(i), twipsToPixels(columns[i].widthTwips));
}

void ResultsList::clearRows() { model_->clearRows(); }

void ResultsList::setChecked(int row, bool checked) {
    if (const auto at = storeRow(row, model_->rows().size())) model_->setRowChecked(*at, checked);
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

int ResultsList::rowCount() const { return static_cast<int>(model_->rows().size()); }

std::string ResultsList::cell(int row, int column) const {
    const auto at = storeRow(row, model_->rows().size());
    if (!at || column < 1 || column > columnCount()) return std::string();
    return std::string(model_->rows().text(*at, column - 1));
}

std::size_t ResultsList::checkedCount() const { return model_->rows().checkedCount(); }

bool ResultsList::isChecked(int row) const {
    const auto at = storeRow(row, model_->rows().size());
    return at && model_->rows().checked(*at);
}

ResultsList::RowId ResultsList::addRow(const std::string& text) { return model_->appendRow(text); }

void ResultsList::setSecondColumn(RowId row, const std::string& text) { model_->setSecondColumn(row, text); }

}  // namespace harvelux::results
