// The results list of the results window (`ListView1`): a report-view list
// whose rows the extraction run appends and whose contents the exports read.
//
// Everything else in the program reaches the list through this class: as a
// ListViewSource (the exports), as a ResultRowSink (the extraction run) and
// through the few operations below. The widget is a QTreeView over a
// ResultsModel, which keeps a million rows in a few tens of megabytes and
// lets the view lay out and paint only what it shows.
#pragma once

#include "extract/ExtractionRun.h"
#include "results/ListViewSource.h"
#include "results/ResultColumns.h"

#include <vector>

class QAbstractItemView;
class QTreeView;
class QWidget;

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
    QTreeView* view_;      // owned by the parent widget
    ResultsModel* model_;  // owned by the view
};

}  // namespace harvelux::results
