// What the export writers read of a list view: its column captions and its
// rows (cells and checked flag). Columns and rows are numbered from 1; a
// cell that was never set is empty.
#pragma once

#include <string>

namespace harvelux::results {

class ListViewSource {
public:
    virtual ~ListViewSource() = default;
    virtual int columnCount() const = 0;
    virtual std::string columnCaption(int column) const = 0;
    virtual int rowCount() const = 0;
    virtual std::string cell(int row, int column) const = 0;
    virtual bool isChecked(int row) const = 0;
};

}  // namespace harvelux::results
