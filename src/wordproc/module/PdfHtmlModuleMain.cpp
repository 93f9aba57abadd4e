// The entry point of the PDF and HTML reader module: the only symbol it
// exports.
#include "wordproc/module/LinkedPdfHtmlReaders.h"

extern "C" __attribute__((visibility("default"))) const harvelux::wordproc::PdfHtmlModuleTable*
harvelux_reader_module() {
    return &harvelux::wordproc::linkedPdfHtmlReaders();
}
