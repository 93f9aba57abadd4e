// The table of the legacy reader as compiled into whatever links it: the
// legacy module hands it out, and its fuzzer passes it to
// useLinkedLegacyReader.
#pragma once

#include "wordproc/module/LegacyModule.h"

namespace harvelux::wordproc {

const LegacyModuleTable& linkedLegacyReader();

}  // namespace harvelux::wordproc
