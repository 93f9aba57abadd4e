#pragma once

#include <string>

namespace harvelux {

// True when the file system reports a last-modified time for the path (an
// existing file or folder); false for "" and on any failure.
bool FileExists(const std::string& path);

}  // namespace harvelux
