// E-mail messages and mailboxes through GMime. A message's text is its
// address fields (From, To, Cc, Bcc, Reply-To, Sender), one address a line
// as "Display Name <address>" or the bare address, then its subject, then
// its plain-text body (the HTML body, read as HTML, when there is no plain
// one; with every story read, both). Its attachments are its members, by
// file name; an attached message is a member too.
#pragma once

#include "wordproc/ReadOptions.h"

#include <memory>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

class MemberSink;

// A message parsed once, for its text and its attachments alike; it refers
// to the bytes it was parsed from, which must outlive it.
class ParsedMail;
// Throws EngineError when the bytes are no readable message.
std::shared_ptr<const ParsedMail> parseMail(std::string_view data);

std::string readMailText(const ParsedMail& mail, const ReadOptions& options);
void listMailMembers(const ParsedMail& mail, MemberSink& sink);
// Each message of an mbox, in turn ("message 1", "message 2", ...).
void listMailboxMembers(std::string_view data, MemberSink& sink);

}  // namespace harvelux::wordproc
