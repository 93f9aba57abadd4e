// Outlook mail stores (.pst, .ost) through libpst. The library opens stores
// only by path, so the store's bytes are put in an anonymous in-memory file
// (memfd) and opened through /proc/self/fd: nothing is written to disk, and
// a store inside an archive or an e-mail is read like one on disk.
//
// The text is every message in folder order, each as an Outlook message's
// text; the attachments are members named "<folder path>/<subject>/<file
// name>".
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes start with a mail store's signature ("!BDN").
bool looksLikePst(std::string_view data);

// Throws EngineError when the store cannot be opened.
std::string readPstText(std::string_view data, const ReadOptions& options = {});

void listPstMembers(std::string_view data, MemberSink& sink);

}  // namespace harvelux::wordproc
