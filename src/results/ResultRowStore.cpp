#include "results/ResultRowStore.h"

#include <stdexcept>

namespace harvelux::results {

std::size_t ResultRowStore::append(std::string_view first) {
    const TextId id = store(first, lastFirst_);
    rows_.push_back(Row{id, 0, 1});
    return rows_.size() - 1;
}

void ResultRowStore::setSecond(std::size_t row, std::string_view text) {
    if (row >= rows_.size()) return;
    rows_[row].second = store(text, lastSecond_) & kMaxTextId;  // ids never exceed kMaxTextId
}

void ResultRowStore::setChecked(std::size_t row, bool checked) {
    if (row >= rows_.size() || (rows_[row].checked != 0) == checked) return;
    rows_[row].checked = checked ? 1 : 0;
    if (checked)
        --unchecked_;
    else
        ++unchecked_;
}

std::string_view ResultRowStore::text(std::size_t row, int column) const {
    if (row >= rows_.size()) return {};
    if (column == 0) return textOf(rows_[row].first);
    if (column == 1) return textOf(rows_[row].second);
    return {};
}

void ResultRowStore::clear() {
    // Swapping with empty containers hands the memory back; clear() keeps it.
    std::vector<Row>().swap(rows_);
    std::string().swap(bytes_);
    std::vector<std::uint64_t>{0}.swap(ends_);
    lastFirst_ = lastSecond_ = 0;
    unchecked_ = 0;
}

std::size_t ResultRowStore::allocatedBytes() const {
    return rows_.capacity() * sizeof(Row) + bytes_.capacity() + ends_.capacity() * sizeof(std::uint64_t);
}

ResultRowStore::TextId ResultRowStore::store(std::string_view text, TextId& lastInColumn) {
    if (text.empty()) return 0;
    if (lastInColumn != 0 && textOf(lastInColumn) == text) return lastInColumn;
    if (ends_.size() > kMaxTextId) throw std::length_error("The results list cannot hold any more rows.");
    bytes_.append(text);
    ends_.push_back(bytes_.size());
    lastInColumn = static_cast<TextId>(ends_.size() - 1);
    return lastInColumn;
}

std::string_view ResultRowStore::textOf(TextId id) const {
    if (id == 0) return {};
    const std::uint64_t begin = ends_[id - 1];
    return std::string_view(bytes_).substr(begin, ends_[id] - begin);
}

}  // namespace harvelux::results
