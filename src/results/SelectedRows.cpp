#include "results/SelectedRows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

namespace harvelux::results {

std::string selectedRowsText(const QAbstractItemView& view) {
    const QItemSelectionModel* selection = view.selectionModel();
    const QAbstractItemModel* model = view.model();
    if (!selection || !model) return {};
    QModelIndexList rows = selection->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::string text;
    for (const QModelIndex& row : rows) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (column > 0) text += '\t';
            text += model->index(row.row(), column).data().toString().toStdString();
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace harvelux::results
