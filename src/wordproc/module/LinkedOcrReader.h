// The table of the optical character recognition reader as compiled into
// whatever links it: the module hands it out, and tests and fuzzers pass it
// to useLinkedOcrReader.
#pragma once

#include "wordproc/module/OcrModule.h"

namespace harvelux::wordproc {

const OcrModuleTable& linkedOcrReader();

}  // namespace harvelux::wordproc
