// Finds and opens a module of this program (a shared library built beside
// it) by file name. Reader modules keep large libraries out of the start-up
// of every program: they are opened the first time a document needs them.
#pragma once

#include <string>

namespace harvelux::wordproc {

// The entry point `entryName` of the module `fileName`, or nullptr with
// `error` telling why (not installed, not loadable, no such entry). The
// module is looked for beside the program, in the program folder seen from
// bin/, and, for a program of the build tree only, in the build tree's
// module folder; never on a search path or in the current folder. A module
// once opened stays loaded: its libraries keep global state that is not
// made to be unloaded.
void* openProgramModule(const char* fileName, const char* entryName, std::string& error);

// The path of the file `fileName` installed with the program (a module, a
// reader program), looked for where modules are; "" when there is none.
std::string findProgramFile(const char* fileName);

// The text a reader of a module returned with `outcome` (a ReaderOutcome),
// or what it reported, thrown as the engine throws it.
std::string finishModuleRead(int outcome, std::string&& text);

}  // namespace harvelux::wordproc
