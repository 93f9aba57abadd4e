// Geometry of the results window in twips: the built-in client area, the
// fixed corner of the results list below the toolbar, and how the list
// follows the window's outer size.
#pragma once

#include <optional>

namespace harvelux::results {

inline constexpr long long kResultsClientWidth = 10425;
inline constexpr long long kResultsClientHeight = 7305;
inline constexpr long long kResultsListLeft = 120;
inline constexpr long long kResultsListTop = 1280;
inline constexpr long long kResultsListWidthAllowance = 360;
inline constexpr long long kResultsListHeightAllowance = 1900;

// The list's new width and height for a window of the given outer size. A
// size that would come out negative (a very small window) is left out: the
// list keeps that size as it was.
struct ResultsListSize {
    std::optional<long long> width;
    std::optional<long long> height;
};

constexpr ResultsListSize resultsListSize(long long outerWidth, long long outerHeight) {
    ResultsListSize size;
    if (const long long w = outerWidth - kResultsListWidthAllowance; w >= 0) size.width = w;
    if (const long long h = outerHeight - kResultsListHeightAllowance; h >= 0) size.height = h;
    return size;
}

}  // namespace harvelux::results
