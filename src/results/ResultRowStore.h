// The rows of a results list held compactly: a million rows cost a few tens
// of megabytes, not hundreds.
//
// Every row is two text numbers and a checked bit; the texts themselves
// live end to end in one byte buffer. A text equal to the one last stored in
// the same column is stored once and shared: with the document path in the
// first column, a document's path is kept once however many addresses it
// gave. Appending is amortised O(1), clearing gives the memory back.
//
// Rows are numbered from 0; only the first two columns hold text, every
// other column, and a second column that was never set, reads as empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::results {

class ResultRowStore {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    // Appends a checked row whose first column is `first`; returns its number.
    std::size_t append(std::string_view first);
    // Sets the second column of row `row`; ignored for a row that is not
    // there. A text replaced this way keeps its bytes until `clear`.
    void setSecond(std::size_t row, std::string_view text);
    void setChecked(std::size_t row, bool checked);

    // Column 0 or 1; empty for any other column or a row that is not there.
    std::string_view text(std::size_t row, int column) const;
    bool checked(std::size_t row) const { return row < rows_.size() && rows_[row].checked; }
    std::size_t checkedCount() const { return rows_.size() - unchecked_; }

    // Removes every row and text and releases their memory.
    void clear();

    // Bytes held for texts (shared texts counted once).
    std::size_t textBytes() const { return bytes_.size(); }
    // Bytes allocated in all, rows and text index included.
    std::size_t allocatedBytes() const;

private:
    using TextId = std::uint32_t;  // 0 is the empty text
    static constexpr TextId kMaxTextId = (TextId{1} << 31) - 1;

    struct Row {
        TextId first;
        TextId second : 31;
        TextId checked : 1;
    };

    TextId store(std::string_view text, TextId& lastInColumn);
    std::string_view textOf(TextId id) const;

    std::vector<Row> rows_;
    std::string bytes_;
    // Text i (from 1) is bytes_[ends_[i - 1], ends_[i]).
    std::vector<std::uint64_t> ends_{0};
    TextId lastFirst_ = 0;
    TextId lastSecond_ = 0;
    std::size_t unchecked_ = 0;
};

}  // namespace harvelux::results
