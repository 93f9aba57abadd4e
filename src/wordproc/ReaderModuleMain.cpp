// The entry point of the PDF and HTML reader module: the only symbol it
// exports.
#include "wordproc/LinkedReaders.h"

extern "C" __attribute__((visibility("default"))) const harvelux::wordproc::ReaderModuleTable*
harvelux_reader_module() {
    return &harvelux::wordproc::linkedReaders();
}
