// The table of the PDF and HTML readers as compiled into whatever links
// them: the reader module hands it out, and programs that link the readers
// in directly pass it to useLinkedReaders.
#pragma once

#include "wordproc/ReaderModule.h"

namespace harvelux::wordproc {

const ReaderModuleTable& linkedReaders();

}  // namespace harvelux::wordproc
