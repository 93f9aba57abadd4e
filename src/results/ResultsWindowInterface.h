// What the main window needs of the results window: the rows a run appends,
// the column layout for the option "Include filename next to each email
// address in results", and showing it when a run ends.
#pragma once

#include "extract/ExtractionRun.h"

namespace harvelux::results {

class ResultsWindowInterface {
public:
    virtual ~ResultsWindowInterface() = default;

    // Where the extraction run appends its rows.
    virtual extract::ResultRowSink& resultRows() = 0;

    // Removes every row, then every column, and adds the columns of the
    // option: "Filename" and "Emails" (4500 twips each) when set, else
    // "Email Results" (9000 twips). The first call loads the window, hidden.
    virtual void setFilenameColumns(bool withFilename) = 0;

    // What the run went through, told before its results are shown.
    virtual void setRunSummary(const extract::RunSummary& summary) = 0;

    // Shows the results window (modeless).
    virtual void showResults() = 0;

    // True while the results window is busy exporting; the main window
    // ignores commands that would disturb it.
    virtual bool isBusy() const = 0;

    // Where the run keeps its index by address, for the exports by address;
    // null when the window keeps none.
    virtual extract::AddressIndex* addressIndex() { return nullptr; }
};

}  // namespace harvelux::results
