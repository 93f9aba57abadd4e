#include "results/ResultsList.h"

#include "common/Twips.h"

#include <QFont>
#include <QHeaderView>
#include <QStringList>
#include <QTreeWidget>

namespace harvelux::results {

namespace {

QFont listFont() {
    QFont font(QStringLiteral("Calibri"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

}  // namespace

ResultsList::ResultsList(QWidget& parent) : view_(new QTreeWidget(&parent)) {
    view_->setObjectName(QStringLiteral("ListView1"));
    view_->setFont(listFont());
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setSortingEnabled(false);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Columns keep the widths they are given, as in a report-view list.
    view_->header()->setStretchLastSection(false);
    view_->header()->setSectionsMovable(false);
    view_->setColumnCount(0);
}

QAbstractItemView& ResultsList::widget() const { return *view_; }

void ResultsList::setColumns(const std::vector<ResultColumn>& columns) {
    clearRows();
    view_->setColumnCount(0);
    QStringList captions;
    for (const ResultColumn& column : columns) captions << QString::fromStdString(column.caption);
    view_->setColumnCount(static_cast<int>(captions.size()));
    view_->setHeaderLabels(captions);
    for (std::size_t i = 0; i < columns.size(); ++i)
        view_->setColumnWidth(static_cast<int>(i), twipsToPixels(columns[i].widthTwips));
}

void ResultsList::clearRows() { view_->clear(); }

void ResultsList::setChecked(int row, bool checked) {
    if (QTreeWidgetItem* it = item(row)) it->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

long long ResultsList::columnWidthTwips(int column) const {
    if (column < 1 || column > columnCount()) return 0;
    return pixelsToTwips(view_->columnWidth(column - 1));
}

int ResultsList::columnCount() const { return view_->columnCount(); }

std::string ResultsList::columnCaption(int column) const {
    if (column < 1 || column > columnCount()) return std::string();
    return view_->headerItem()->text(column - 1).toStdString();
}

int ResultsList::rowCount() const { return view_->topLevelItemCount(); }

std::string ResultsList::cell(int row, int column) const {
    const QTreeWidgetItem* it = item(row);
    if (!it || column < 1) return std::string();
    return it->text(column - 1).toStdString();
}

bool ResultsList::isChecked(int row) const {
    const QTreeWidgetItem* it = item(row);
    return it && it->checkState(0) == Qt::Checked;
}

ResultsList::RowId ResultsList::addRow(const std::string& text) {
    auto* it = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
    it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren);
    it->setCheckState(0, Qt::Checked);
    view_->addTopLevelItem(it);
    return static_cast<RowId>(view_->topLevelItemCount() - 1);
}

void ResultsList::setSecondColumn(RowId row, const std::string& text) {
    if (row >= static_cast<RowId>(rowCount())) return;
    view_->topLevelItem(static_cast<int>(row))->setText(1, QString::fromStdString(text));
}

QTreeWidgetItem* ResultsList::item(int row) const {
    if (row < 1 || row > rowCount()) return nullptr;
    return view_->topLevelItem(row - 1);
}

}  // namespace harvelux::results
