// The e-mail addresses of mailto: links, in the forms documents keep them:
// a link's target ("mailto:anna@example.org?subject=Hello") and a
// HYPERLINK field's instruction (HYPERLINK "mailto:anna@example.org").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

// The addresses of a mailto: URI: what follows the scheme up to any "?" or
// "#", percent-decoded, split at commas and semicolons. Empty for any other
// URI.
std::vector<std::string> mailtoAddresses(std::string_view uri);

// The target of a HYPERLINK field instruction; empty for other fields and
// for links within the document (\l).
std::string hyperlinkFieldTarget(std::string_view instruction);

}  // namespace harvelux::wordproc
