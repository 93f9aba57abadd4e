// Help > "About Harvelux": the program's version, its licence and the
// libraries it was built with, with their versions.
#pragma once

#include <string>

namespace harvelux::shell {

inline constexpr const char* kAboutTitle = "About Harvelux";

std::string aboutText();

}  // namespace harvelux::shell
