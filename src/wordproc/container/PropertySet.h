// The document properties a compound file keeps in its property set streams
// (\005SummaryInformation: title, subject, author, keywords, comments;
// \005DocumentSummaryInformation: company, manager and the custom
// properties): their string values, one a line.
#pragma once

#include <string>

namespace harvelux::wordproc {

class CompoundFile;

// The string values of both property sets, each ending in CR; "" when the
// file has none. A damaged property set gives what could be read of it.
std::string propertyStrings(const CompoundFile& file);

}  // namespace harvelux::wordproc
