// Writes a ZIP archive in memory (libzip), its entries stored: a part of a
// package that is a document of its own (an object embedded in an
// OpenDocument file) becomes a package the engine can recognise and read
// like any other file.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace harvelux::wordproc {

// The archive of `entries` (name, bytes), in order, uncompressed. Throws
// EngineError when libzip cannot write it.
std::string writeStoredZip(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace harvelux::wordproc
