#include "results/InMemoryListView.h"

#include <stdexcept>

namespace harvelux::results {

InMemoryListView InMemoryListView::forOption(bool withFilename) {
    std::vector<std::string> captions;
    for (const ResultColumn& column : resultColumns(withFilename)) captions.push_back(column.caption);
    return InMemoryListView(std::move(captions));
}

void InMemoryListView::appendRow(std::vector<std::string> cells, bool checked) {
    rows_.push_back({std::move(cells), checked});
}

std::string InMemoryListView::columnCaption(int column) const {
    return captions_.at(static_cast<std::size_t>(column - 1));
}

std::string InMemoryListView::cell(int row, int column) const {
    const Row& r = rows_.at(static_cast<std::size_t>(row - 1));
    const auto k = static_cast<std::size_t>(column - 1);
    return k < r.cells.size() ? r.cells[k] : std::string();
}

bool InMemoryListView::isChecked(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)).checked; }

InMemoryListView::RowId InMemoryListView::addRow(const std::string& text) {
    rows_.push_back({{text}, true});
    return rows_.size() - 1;
}

void InMemoryListView::setSecondColumn(RowId row, const std::string& text) {
    Row& r = rows_.at(row);
    if (r.cells.size() < 2) r.cells.resize(2);
    r.cells[1] = text;
}

}  // namespace harvelux::results
