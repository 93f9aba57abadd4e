#pragma once

#include <string>

namespace harvelux::extract {

// What the extraction run needs of the document text reader.
class DocumentTextReader {
public:
    virtual ~DocumentTextReader() = default;
    // The document's main text, or "" when it cannot be opened or read.
    virtual std::string ReturnDocumentString(const std::string& path) = 0;
    // True when the run is to be abandoned because a word processor is
    // running and the user chose not to go on.
    virtual bool WarnIfWordOpen() = 0;
};

}  // namespace harvelux::extract
