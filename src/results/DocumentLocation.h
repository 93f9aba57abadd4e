// Where a document of the results is on disk: an inner document is named
// "CONTAINER::MEMBER" (nested ones "A.zip::B.zip::C.docx"), and what can be
// opened or shown in a folder is the outermost container, the file the
// user chose.
#pragma once

#include <string>

namespace harvelux::results {

// The file on disk that holds the document named `name`: the name itself
// when it is a file, else the longest "::"-cut front of it that is one, else
// the name as given.
std::string documentFileOnDisk(const std::string& name);

// The folder holding `path` ("" for a bare name).
std::string folderOf(const std::string& path);

}  // namespace harvelux::results
