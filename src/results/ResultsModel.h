// The item model behind the results list: the columns' captions and the rows
// of a ResultRowStore, with a check box in the first column.
//
// Rows are appended one at a time by the extraction run, and a view that is
// told of every row at once re-lays out all of them each time. So appended
// rows are stored at once but announced to views in batches: when control
// returns to the event loop, after a delay that grows with the rows already
// shown (each announcement costs a view time in proportion to its rows, so
// announcing less often as the list grows keeps a long fill linear), or
// whenever `announcePendingRows` is called. Everything but the views' row
// count sees the stored rows at once.
#pragma once

#include "results/ResultRowStore.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include <cstddef>
#include <string_view>

namespace harvelux::results {

class ResultsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultsModel(QObject* parent = nullptr);

    // Removes every row, then replaces the columns.
    void setCaptions(const QStringList& captions);
    const QStringList& captions() const { return captions_; }

    // Rows are numbered from 0, as in the store.
    std::size_t appendRow(std::string_view first);
    void setSecondColumn(std::size_t row, std::string_view text);
    void setRowChecked(std::size_t row, bool checked);
    void clearRows();

    const ResultRowStore& rows() const { return store_; }
    void announcePendingRows();

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

    QStringList captions_;
    ResultRowStore store_;
    std::size_t announced_ = 0;
    QTimer announceTimer_;
};

}  // namespace harvelux::results
