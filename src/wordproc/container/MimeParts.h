// The few pieces of MIME that reading a web archive needs: header blocks,
// parameters of Content-Type, multipart bodies and the two transfer
// encodings. Lenient as mail readers are: lines may end in LF or CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc::mime {

struct Entity {
    std::string contentType;       // lower case, parameters removed; "text/plain" when absent
    std::string boundary;          // of a multipart entity
    std::string charset;           // lower case, may be empty
    std::string transferEncoding;  // lower case, may be empty
    std::string_view body;         // after the blank line that ends the headers
};

// Splits a header block from its body. Folded header lines are joined.
Entity parseEntity(std::string_view data);

// The bodies between "--boundary" lines, without the preamble and epilogue.
std::vector<std::string_view> splitMultipart(std::string_view body, std::string_view boundary);

std::string decodeQuotedPrintable(std::string_view text);
std::string decodeBase64(std::string_view text);

}  // namespace harvelux::wordproc::mime
