// E-mail messages (RFC 5322, as .eml files from any mail program) and
// mailboxes (mbox: messages one after the other, each behind a "From " line).
#pragma once

#include <string_view>

namespace harvelux::wordproc {

bool looksLikeMailMessage(std::string_view data);
bool looksLikeMailbox(std::string_view data);

}  // namespace harvelux::wordproc
