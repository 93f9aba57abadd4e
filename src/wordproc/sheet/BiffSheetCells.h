// The text cells of one worksheet as its records give them, handed on to
// the sheet's text form in row and column order: Excel writes cells row by
// row, other writers need not, and a cell given twice keeps its last text.
#pragma once

#include "wordproc/sheet/BiffSharedStrings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {
class SheetText;
}

namespace harvelux::wordproc::biff {

class SheetCells {
public:
    // A cell whose text is shared string `index`.
    void addShared(std::uint16_t row, std::uint16_t column, std::uint32_t index);
    // A cell with a text of its own; throws EngineError (too large) when the
    // sheet's own texts pass the thread's text limit.
    void addText(std::uint16_t row, std::uint16_t column, std::string_view text);

    // Writes the cells as one sheet and forgets them.
    void writeTo(SheetText& sheet, const SharedStrings& shared);

private:
    static constexpr std::uint32_t kShared = 0xFFFFFFFF;
    struct Cell {
        std::uint16_t row;
        std::uint16_t column;
        std::uint32_t at;      // the shared string's index, or where the text begins in own_
        std::uint32_t length;  // of the text in own_; kShared for a shared string
    };
    std::vector<Cell> cells_;
    std::string own_;
};

}  // namespace harvelux::wordproc::biff
