// The entry point of the legacy reader module: the only symbol it exports.
#include "wordproc/module/LinkedLegacyReader.h"

extern "C" __attribute__((visibility("default"))) const harvelux::wordproc::LegacyModuleTable*
harvelux_legacy_module() {
    return &harvelux::wordproc::linkedLegacyReader();
}
