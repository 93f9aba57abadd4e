#pragma once

#include <string>

namespace harvelux {

// The folder that holds the running executable, without a trailing "/".
std::string programFolder();

}  // namespace harvelux
