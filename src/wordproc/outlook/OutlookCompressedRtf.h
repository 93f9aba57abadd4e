// The compressed RTF body of an Outlook item (PR_RTF_COMPRESSED, the
// "LZFu" format, or "MELA" for RTF stored as it is): a 16-byte header, then
// an LZ77 stream whose 4096-byte dictionary starts preset with common RTF.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The RTF the stream holds. Throws EngineError when the header is not one of
// the two kinds or claims more than the caps allow; output stops at the size
// the header gives, so a stream that keeps copying cannot grow without end.
std::string decompressOutlookRtf(std::string_view data);

}  // namespace harvelux::wordproc
