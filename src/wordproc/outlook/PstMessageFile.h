// A message of a mail store written out as an Outlook message file (.msg),
// in memory: the engine then reads it as it reads any .msg, with its
// attachments and attached messages as its inner documents.
#pragma once

#include "wordproc/outlook/PstStream.h"

#include <string>
#include <vector>

namespace harvelux::wordproc {

// Throws EngineError (too large) past the compound file's caps.
std::string writePstMessageFile(const PstMessage& message);

// The names the .msg reader gives the attachments that could not be taken
// out of the store, inside `message` and its attached messages
// ("report.pdf", "fwd.msg::scan.pdf"): they are reported as damaged.
std::vector<std::string> unreadablePstAttachments(const PstMessage& message);

}  // namespace harvelux::wordproc
