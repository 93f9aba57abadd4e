// Where the help commands lead: the maker's help, FAQ and home pages, and
// the demonstration video beside the program.
#pragma once

#include <string>

namespace harvelux::shell {

inline constexpr const char* kHelpPage = "https://www.quenbrook.com/trelvane/help/";
inline constexpr const char* kFaqPage = "https://www.quenbrook.com/question/";
inline constexpr const char* kHomePage = "https://www.quenbrook.com/";

// programFolder + "/Video/" + the first ordinary (not hidden) file that a
// listing of that folder yields, in listing order; the folder itself
// (ending in "/") when it holds no such file or does not exist.
std::string videoTarget(const std::string& programFolder);

}  // namespace harvelux::shell
