// The reader process's own side of ReaderProcess: the limits it is handed
// as its first arguments, applied before it reads a byte of the document,
// and the document on its standard input, opened by path for a library that
// takes only a path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace harvelux::wordproc {

// The arguments that hand the limits over (0: none).
std::vector<std::string> readerChildLimitArguments(std::uint64_t addressSpaceBytes, std::uint64_t cpuSeconds);

// Applies the limits of the leading arguments: address space (not in a
// sanitizer build, whose shadow memory needs far more), CPU time, no core
// dump, no file written, few files open. Returns the index of the first
// argument after them, or -1 when they are malformed or cannot be applied.
int applyReaderChildLimits(int argc, char** argv);

// A path that opens the document: standard input itself when it is a file
// (the engine's memory file), else a memory file it was copied into; "" on
// failure.
std::string readerChildInputPath();

// The document's bytes, read whole from standard input; false on failure.
bool readerChildInputBytes(std::string& bytes);

// The descriptor to write the output to: standard output as it was, while
// standard output itself is sent nowhere, so that what a library prints
// there cannot mix with the output. -1 on failure.
int readerChildOutput();

}  // namespace harvelux::wordproc
