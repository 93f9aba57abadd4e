// The results list of the results window (`ListView1`): a report-view list
// whose rows the extraction run appends and whose contents the exports read.
//
// Everything else in the program reaches the list through this class: as a
// ListViewSource (the exports), as a ResultRowSink (the extraction run) and
// through the few operations below. The widget is a QTreeView over a
// ResultsModel, which keeps a million rows in a few tens of megabytes and
// lets the view lay out and paint only what it shows.
//
// As a ListViewSource the list is what it shows: the rows the filter keeps,
// in the order shown, with the optional columns shown (exports write them
// so); without filter or sort, every row in the order found.
#pragma once

#include "extract/AddressIndex.h"
#include "extract/ExtractionRun.h"
#include "results/IndexColumns.h"
#include "results/ListViewSource.h"
#include "results/ResultColumns.h"

#include <optional>
#include <vector>

class QString;

class QAbstractItemView;
class QTreeView;
class QWidget;
class QModelIndex;

namespace harvelux::results {

class ResultsModel;

class ResultsList final : public ListViewSource, public extract::ResultRowSink {
public:
    // Creates the list widget, named "ListView1", as a child of `parent`.
    explicit ResultsList(QWidget& parent);

    ResultsList(const ResultsList&) = delete;
    ResultsList& operator=(const ResultsList&) = delete;

    QAbstractItemView& widget() const;

    // Removes every row, then every column, then adds `columns` in order.
    void setColumns(const std::vector<ResultColumn>& columns);
    void clearRows();
    void setChecked(int row, bool checked);
    // Shows the rows appended since the view was last told of new rows (it
    // is told on its own soon after; this is for doing so at once).
    void showPendingRows();
    long long columnWidthTwips(int column) const;

    // The optional columns (IndexColumns.h) and the index they read.
    void setIndex(const extract::AddressIndex* index);
    const extract::AddressIndex* index() const { return index_; }
    void setIndexColumns(const std::vector<IndexColumn>& columns);
    const std::vector<IndexColumn>& indexColumns() const;
    // The column (from 1) holding the address.
    int addressColumn() const;
    // The index entry of row `row` (from 1, as shown); null when the index
    // does not know its address.
    const extract::AddressIndex::Entry* entryOf(int row) const;

    // The filter (RowFilter.h) and the sort: column from 1, 0 for the order
    // found in.
    void setFilter(const QString& text);
    bool filtered() const;
    void sortBy(int column, bool descending);
    int sortColumn() const;
    bool sortDescending() const;
    // Rows of the list in all, shown or not.
    std::size_t totalRowCount() const;
    void setAllChecked(bool checked);
    void checkShownOnly();
    // Shown rows that are ticked.
    std::size_t shownCheckedCount() const;
    // The row (from 1, as shown) of a view index; 0 for none.
    int rowOf(const QModelIndex& index) const;

    // ListViewSource: columns and rows numbered from 1. Rows and columns that
    // are not there read as empty and unchecked.
    int columnCount() const override;
    std::string columnCaption(int column) const override;
    int rowCount() const override;
    std::string cell(int row, int column) const override;
    bool isChecked(int row) const override;
    // Rows ticked, of all rows.
    std::size_t checkedCount() const;

    // ResultRowSink: rows are added checked, with their check box shown.
    RowId addRow(const std::string& text) override;
    void setSecondColumn(RowId row, const std::string& text) override;

private:
    void updateSortIndicator();
    // The list's own columns at the widths they were given, or narrower
    // beside the optional columns so that those show too.
    void setBaseWidths();

    QTreeView* view_;  // owned by the parent widget
    const extract::AddressIndex* index_ = nullptr;
    std::vector<long long> baseWidthsTwips_;
    ResultsModel* model_;  // owned by the view
};

}  // namespace harvelux::results
