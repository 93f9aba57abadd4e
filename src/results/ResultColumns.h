// The columns of the results list for the option "Include filename next to
// each email address in results": the address alone, or the document path
// and the address. Widths are in twips.
#pragma once

#include <string>
#include <vector>

namespace harvelux::results {

inline constexpr const char* kEmailResultsCaption = "Email Results";
inline constexpr const char* kFilenameCaption = "Filename";
inline constexpr const char* kEmailsCaption = "Emails";

struct ResultColumn {
    std::string caption;
    long long widthTwips;
};

std::vector<ResultColumn> resultColumns(bool withFilename);

}  // namespace harvelux::results
