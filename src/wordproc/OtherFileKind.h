// Files that hold no document at all: pictures, sound, video, programs,
// fonts and archives, told by the signatures at the start of their bytes.
// Asked only of files that no format of the table takes, so that a format
// added later (pictures read by text recognition, archives opened for the
// documents inside) is read, never skipped.
#pragma once

#include <string_view>

namespace harvelux::wordproc {

// "picture", "sound", "video", "program", "font" or "archive"; "" when the
// bytes may be a document Harvelux does not read (a real failure).
std::string_view otherFileKind(std::string_view data);

}  // namespace harvelux::wordproc
