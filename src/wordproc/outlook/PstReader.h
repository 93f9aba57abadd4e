// Outlook mail stores (.pst, .ost), read with libpst in a process of its
// own (harvelux-pst-reader, see module/ReaderProcess.h): a store on which
// libpst crashes or gives up is "damaged", the program goes on.
//
// A store has no text of its own: its messages are its members, in folder
// order, each named by its folder's path and its number in the folder
// ("Inbox/message 3"; "message 3" at the store's top) and handed on as an
// Outlook message file, so that it is read as a .msg is, its attachments
// and attached messages its own inner documents.
#pragma once

#include "wordproc/MemberSink.h"

#include <string_view>

namespace harvelux::wordproc {

// The reader program's file name, installed beside the other program files.
inline constexpr const char* kPstReaderProgram = "harvelux-pst-reader";

// Whether the bytes start with a mail store's signature ("!BDN").
bool looksLikePst(std::string_view data);

// Hands each message to `sink`. Throws EngineError when no message could be
// read: the store is damaged (libpst cannot open it, crashed, gave up or
// sent what is no record stream), too slow to read, or the reader program
// is not installed (ReaderMissing). A store that fails after some messages
// is reported to the sink as damaged after them.
void listPstMembers(std::string_view data, MemberSink& sink);

// The same with the reader program at `program` (tests and fuzzers).
void listPstMembers(std::string_view data, MemberSink& sink, const std::string& program);

// The messages of a reader's output `stream`, as listPstMembers hands them
// on, for a store of `storeBytes` (the fuzzers' way in).
void listPstStreamMembers(std::string_view stream, std::size_t storeBytes, MemberSink& sink);

}  // namespace harvelux::wordproc
