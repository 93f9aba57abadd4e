// A list view held in memory: captions and rows of UTF-8 cells. The
// command-line extractor collects its rows here; tests use it as a source.
#pragma once

#include "extract/ExtractionRun.h"
#include "results/ListViewSource.h"
#include "results/ResultColumns.h"

#include <string>
#include <vector>

namespace harvelux::results {

class InMemoryListView final : public ListViewSource, public extract::ResultRowSink {
public:
    explicit InMemoryListView(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    // The results list's columns for the option "include filename".
    static InMemoryListView forOption(bool withFilename);

    struct Row {
        std::vector<std::string> cells;
        bool checked = true;
    };

    void appendRow(std::vector<std::string> cells, bool checked = true);
    std::vector<Row>& rows() { return rows_; }

    int columnCount() const override { return static_cast<int>(captions_.size()); }
    std::string columnCaption(int column) const override;
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    std::string cell(int row, int column) const override;
    bool isChecked(int row) const override;

    RowId addRow(const std::string& text) override;
    void setSecondColumn(RowId row, const std::string& text) override;

private:
    std::vector<std::string> captions_;
    std::vector<Row> rows_;
};

}  // namespace harvelux::results
