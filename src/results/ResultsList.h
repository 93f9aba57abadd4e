// The results list of the results window (`ListView1`): a report-view list
// whose rows the extraction run appends and whose contents the exports read.
//
// Everything else in the program reaches the list through this class: as a
// ListViewSource (the exports), as a ResultRowSink (the extraction run) and
// through the few operations below. The widget behind it is a QTreeWidget
// today; a list of a million rows may want a QTreeView over a model of our
// own, which then only changes this class.
#pragma once

#include "extract/ExtractionRun.h"
#include "results/ListViewSource.h"
#include "results/ResultColumns.h"

#include <vector>

class QAbstractItemView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace harvelux::results {

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
    long long columnWidthTwips(int column) const;

    // ListViewSource: columns and rows numbered from 1. Rows and columns that
    // are not there read as empty and unchecked.
    int columnCount() const override;
    std::string columnCaption(int column) const override;
    int rowCount() const override;
    std::string cell(int row, int column) const override;
    bool isChecked(int row) const override;

    // ResultRowSink: rows are added checked, with their check box shown.
    RowId addRow(const std::string& text) override;
    void setSecondColumn(RowId row, const std::string& text) override;

private:
    QTreeWidgetItem* item(int row) const;  // row from 1; null when absent

    QTreeWidget* view_;  // owned by the parent widget
};

}  // namespace harvelux::results
