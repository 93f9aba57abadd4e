#include "wordproc/sheet/BiffSheetCells.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/SheetText.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>

namespace harvelux::wordproc::biff {

void SheetCells::addShared(std::uint16_t row, std::uint16_t column, std::uint32_t index) {
    cells_.push_back({row, column, index, kShared});
}

void SheetCells::addText(std::uint16_t row, std::uint16_t column, std::string_view text) {
    if (text.empty()) return;
    // Under the text limit (at most 256 MiB) the offsets fit in 32 bits.
    if (own_.size() + text.size() > TextLimitScope::current())
        throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
    cells_.push_back({row, column, static_cast<std::uint32_t>(own_.size()), static_cast<std::uint32_t>(text.size())});
    own_.append(text);
}

void SheetCells::writeTo(SheetText& sheet, const SharedStrings& shared) {
    const auto before = [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!std::is_sorted(cells_.begin(), cells_.end(), before)) std::stable_sort(cells_.begin(), cells_.end(), before);
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        WorkBudget::charge();
        const Cell& cell = cells_[i];
        if (i + 1 < cells_.size() && cells_[i + 1].row == cell.row && cells_[i + 1].column == cell.column) continue;
        if (i > 0 && cells_[i - 1].row != cell.row) sheet.endRow();
        sheet.cell(cell.length == kShared ? shared.at(cell.at) : std::string_view(own_).substr(cell.at, cell.length));
    }
    sheet.endSheet();
    cells_.clear();
    own_.clear();
}

}  // namespace harvelux::wordproc::biff
