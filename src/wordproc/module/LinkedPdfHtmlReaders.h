// The table of the PDF and HTML readers as compiled into whatever links
// them: the reader module hands it out, and programs that link the readers
// in directly pass it to useLinkedPdfHtmlReaders.
#pragma once

#include "wordproc/module/PdfHtmlModule.h"

namespace harvelux::wordproc {

const PdfHtmlModuleTable& linkedPdfHtmlReaders();

}  // namespace harvelux::wordproc
