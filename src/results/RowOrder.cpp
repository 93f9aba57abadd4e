#include "results/RowOrder.h"

#include <algorithm>

namespace harvelux::results {

std::vector<std::uint32_t> orderedRows(std::size_t rows, const std::function<bool(std::size_t)>& keep,
                                       const std::function<int(std::size_t, std::size_t)>& compare, bool descending) {
    std::vector<std::uint32_t> order;
    order.reserve(rows);
    for (std::size_t row = 0; row < rows; ++row)
        if (!keep || keep(row)) order.push_back(static_cast<std::uint32_t>(row));
    if (compare) {
        // Stable: rows that compare equal keep the order they were found in,
        // whichever way the list is sorted.
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            const int sign = compare(a, b);
            return descending ? sign > 0 : sign < 0;
        });
    }
    return order;
}

}  // namespace harvelux::results
