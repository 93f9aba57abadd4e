// Where the help commands lead: the maker's help, FAQ and home pages, and
// the demonstration video beside the program; and what the user is told
// when the desktop cannot open one.
#pragma once

#include "platform/Platform.h"

#include <string>

namespace harvelux::shell {

inline constexpr const char* kHelpPage = "https://www.quenbrook.com/trelvane/help/";
inline constexpr const char* kFaqPage = "https://www.quenbrook.com/question/";
inline constexpr const char* kHomePage = "https://www.quenbrook.com/";

// programFolder + "/Video/" + the first ordinary (not hidden) file that a
// listing of that folder yields, in listing order; the folder itself
// (ending in "/") when it holds no such file or does not exist.
std::string videoTarget(const std::string& programFolder);

// Whether the program has its Video folder ("&Watch Old Demo Video" is only
// offered then).
bool hasVideoFolder(const std::string& programFolder);

// What the user reads when `target` (a web address or a path) could not be
// opened, with the target on a line of its own to copy.
std::string cannotOpenMessage(const std::string& target);

// Opens the target in the desktop shell; when that fails, says so.
void openOrTell(platform::Platform& platform, const std::string& target);

}  // namespace harvelux::shell
