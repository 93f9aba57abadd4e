#pragma once

#include <string>

namespace harvelux {

// The folder that holds the running executable, symbolic links resolved,
// without a trailing "/"; empty when the system does not tell.
std::string programFolder();

}  // namespace harvelux
