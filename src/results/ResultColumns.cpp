#include "results/ResultColumns.h"

namespace harvelux::results {

std::vector<ResultColumn> resultColumns(bool withFilename) {
    if (withFilename) return {{kFilenameCaption, 4500}, {kEmailsCaption, 4500}};
    return {{kEmailResultsCaption, 9000}};
}

}  // namespace harvelux::results
