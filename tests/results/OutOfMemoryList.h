// A results list whose last cell cannot be had for lack of memory.
#pragma once

#include "results/ListViewSource.h"

#include <new>

namespace harvelux::results::testing {

struct OutOfMemoryList final : ListViewSource {
    int columnCount() const override { return 1; }
    std::string columnCaption(int) const override { return "Emails"; }
    int rowCount() const override { return 3; }
    std::string cell(int row, int) const override {
        if (row == 3) throw std::bad_alloc();
        return "a@b.cc";
    }
    bool isChecked(int) const override { return true; }
};

}  // namespace harvelux::results::testing
