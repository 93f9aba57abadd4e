#pragma once

#include <string>

namespace harvelux::wordproc {

// The whole content of a regular file. Anything else (a folder, a FIFO, a
// device, a missing path) and files over the size cap throw EngineError; a
// FIFO is never opened, so the call cannot block.
std::string readDocumentFile(const std::string& path);

}  // namespace harvelux::wordproc
