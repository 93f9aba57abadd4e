#pragma once

#include <string>

namespace harvelux::platform {

// Whether a desktop word processor of this user is running (documents open
// there may hold unsaved changes): a process named soffice.bin, abiword,
// calligrawords or wps owned by the current user, read from /proc.
bool isDesktopWordProcessorRunning(const std::string& procRoot = "/proc");

}  // namespace harvelux::platform
