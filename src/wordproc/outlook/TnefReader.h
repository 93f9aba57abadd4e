// Transport-neutral encapsulation (winmail.dat, application/ms-tnef): the
// Outlook message that travels inside an Internet mail, parsed by libytnef
// in a process of its own (harvelux-tnef-reader, see module/ReaderProcess.h):
// libytnef prints its complaints about a damaged stream on standard output,
// which must not mix with the program's. Its text is read like an Outlook
// message's; its attachments are members named by their file names.
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"

#include <memory>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The reader program's file name, installed beside the other program files.
inline constexpr const char* kTnefReaderProgram = "harvelux-tnef-reader";

// Whether the bytes start with the TNEF signature.
bool looksLikeTnef(std::string_view data);

// The stream's message, as the reader process gives it, for its text and
// its attachments alike; throws EngineError when the stream cannot be parsed.
struct PstMessage;
std::shared_ptr<PstMessage> readTnefMessage(std::string_view data);

std::string readTnefText(const PstMessage& message, const ReadOptions& options = {});
std::string readTnefText(std::string_view data, const ReadOptions& options = {});

// Hands each attachment to `sink` until the sink's caps are reached; each is
// taken out of the message as it is handed over.
void listTnefMembers(PstMessage& message, MemberSink& sink);
void listTnefMembers(std::string_view data, MemberSink& sink);

}  // namespace harvelux::wordproc
