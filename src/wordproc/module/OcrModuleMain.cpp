// The entry point of the optical character recognition module: the only
// symbol it exports.
#include "wordproc/module/LinkedOcrReader.h"

extern "C" __attribute__((visibility("default"))) const harvelux::wordproc::OcrModuleTable* harvelux_ocr_module() {
    return &harvelux::wordproc::linkedOcrReader();
}
