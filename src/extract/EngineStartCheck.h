#pragma once

#include "platform/Platform.h"
#include "wordproc/EngineInterface.h"

namespace harvelux::extract {

inline constexpr const char* kWordNotInstalled =
    "Word is not installed on this computer. You need to have it installed to use this software without error.";

// Start-up check: tries to start the document engine; says so when it cannot.
// Never fails.
void CheckWordInstalled(wordproc::ApplicationFactory& engine, platform::Platform& platform);

}  // namespace harvelux::extract
