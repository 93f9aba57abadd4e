// The item model behind the results list: the columns' captions and the rows
// of a ResultRowStore, with a check box in the first column, followed by the
// optional columns read from the run's index by address (IndexColumns.h).
//
// Rows are appended one at a time by the extraction run, and a view that is
// told of every row at once re-lays out all of them each time. So appended
// rows are stored at once but announced to views in batches: when control
// returns to the event loop, after a delay that grows with the rows already
// shown (each announcement costs a view time in proportion to its rows, so
// announcing less often as the list grows keeps a long fill linear), or
// whenever `announcePendingRows` is called. Everything but the views' row
// count sees the stored rows at once.
//
// A filter or a sort makes the model show an order of its own (RowOrder.h):
// view rows are then positions in that order, worked out again whenever
// rows come or the filter or sort changes. Without either, view row i is
// stored row i, as it always was.
#pragma once

#include "extract/AddressIndex.h"
#include "results/IndexColumns.h"
#include "results/ResultRowStore.h"
#include "results/RowFilter.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::results {

class ResultsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultsModel(QObject* parent = nullptr);

    // Removes every row, then replaces the list's own columns (the optional
    // ones stay after them).
    void setCaptions(const QStringList& captions);
    // Every column's caption, the optional ones included.
    const QStringList& captions() const { return captions_; }
    // The list's own columns: one or two, the last holding the address.
    int baseColumnCount() const { return static_cast<int>(baseCaptions_.size()); }

    // The index the optional columns, the filter and the sorts read; may be
    // null (the optional columns are then empty).
    void setIndex(const extract::AddressIndex* index) { index_ = index; }
    // Shows these optional columns, in their list order, keeping the rows.
    void setIndexColumns(std::vector<IndexColumn> columns);
    const std::vector<IndexColumn>& indexColumns() const { return indexColumns_; }
    // The optional column shown at `column` (from 0), if it is one.
    std::optional<IndexColumn> indexColumnAt(int column) const;

    // Rows are numbered from 0, as in the store.
    std::size_t appendRow(std::string_view first);
    void setSecondColumn(std::size_t row, std::string_view text);
    void setRowChecked(std::size_t row, bool checked);
    // Ticks or unticks every row, shown or not.
    void setAllChecked(bool checked);
    // Ticks the rows shown and unticks the others.
    void checkShownOnly();
    void clearRows();

    const ResultRowStore& rows() const { return store_; }
    void announcePendingRows();

    // The index entry of stored row `row`, found by its address.
    const extract::AddressIndex::Entry* entryOf(std::size_t row) const;
    // The text of stored row `row` in `column` (from 0), optional ones too.
    std::string cellText(std::size_t row, int column) const;

    // Filter and sort. A sort column of -1 is the order the rows were found in.
    void setFilter(const QString& text);
    const RowFilter& filter() const { return filter_; }
    void sortBy(int column, bool descending);
    int sortColumn() const { return sortColumn_; }
    bool sortDescending() const { return descending_; }
    // The rows shown, in stored numbers: every stored row, in order, when
    // neither filter nor sort is set (rows not yet announced included).
    std::size_t shownCount() const { return ordered() ? order_.size() : store_.size(); }
    std::size_t shownRow(std::size_t position) const { return ordered() ? order_[position] : position; }
    std::size_t shownCheckedCount() const;
    bool ordered() const { return !filter_.empty() || sortColumn_ >= 0; }
    // The stored row a view row stands for.
    std::size_t storeRowOf(const QModelIndex& index) const { return shownRow(static_cast<std::size_t>(index.row())); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // Forgets every row and any announcement due; only between the begin
    // and end of a model reset.
    void dropRows();
    void updateCaptions();
    // Works the shown order out again; only between the begin and end of a
    // model reset.
    void reorder();
    bool keeps(std::size_t row) const;
    int compareRows(std::size_t a, std::size_t b) const;
    // The view row of stored row `row`, if it is shown.
    std::optional<int> viewRowOf(std::size_t row) const;
    void announceChange(std::size_t row, int column, int role);

    QStringList baseCaptions_;
    QStringList captions_;
    std::vector<IndexColumn> indexColumns_;
    const extract::AddressIndex* index_ = nullptr;
    ResultRowStore store_;
    std::size_t announced_ = 0;
    QTimer announceTimer_;

    RowFilter filter_;
    int sortColumn_ = -1;
    bool descending_ = false;
    std::vector<std::uint32_t> order_;   // shown rows when ordered()
    std::vector<std::uint32_t> viewOf_;  // stored row -> view row + 1 (0: not shown), when ordered()
};

}  // namespace harvelux::results
