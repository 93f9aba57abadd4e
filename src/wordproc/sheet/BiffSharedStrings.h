// A BIFF8 workbook's shared strings (the SST record and the CONTINUE
// records after it), which LABELSST cells name by index. The strings are
// kept end to end in one buffer; a table whose count claims more strings
// than its bytes can hold reserves only what the bytes can.
#pragma once

#include "wordproc/sheet/BiffStrings.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc::biff {

class SharedStrings {
public:
    // Reads the table from the SST body and its CONTINUE bodies. A table
    // cut short keeps the strings read before the damage; throws EngineError
    // (too large) when the strings pass the thread's text limit.
    void read(std::vector<std::string_view> segments, StringReader& strings);

    // The string at `index`; empty when there is none.
    std::string_view at(std::size_t index) const;
    std::size_t size() const { return ends_.size(); }

private:
    std::string text_;
    std::vector<std::size_t> ends_;  // where each string ends in text_
};

}  // namespace harvelux::wordproc::biff
