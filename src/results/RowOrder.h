// The order a results list shows its rows in: those a filter keeps, sorted
// by one column (ties, and no column at all, in the order the rows were
// found), forwards or backwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace harvelux::results {

// `keep(row)` says whether a row is shown; `compare(a, b)` is negative, zero
// or positive as row `a` sorts before, with or after row `b`, or empty for
// the order of the rows. Descending reverses the comparison, not the ties.
std::vector<std::uint32_t> orderedRows(std::size_t rows, const std::function<bool(std::size_t)>& keep,
                                       const std::function<int(std::size_t, std::size_t)>& compare, bool descending);

}  // namespace harvelux::results
