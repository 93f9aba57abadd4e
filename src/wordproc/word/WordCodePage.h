// The code page of the 8-bit text of a Word for Windows 1.x, 2.0, 6.0 or 95
// document. These versions store text in the ANSI code page of the Windows
// that wrote it, which the file records only indirectly: in the language id
// of its header and in the character sets of its fonts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harvelux::wordproc {

struct WordCodePageHints {
    std::uint16_t lid = 0;          // the header's language id; 0 when it names none
    bool macintosh = false;         // saved on a Mac, in the Mac character set
    std::string_view fontTable;     // the font table (sttbfffn); empty when there is none
    std::size_t charsetOffset = 0;  // where a font entry (FFN) holds its character set
};

// The code page in which to read `storyBytes`: the Mac character set when
// the file says so; else the language's code page when it is not
// Windows-1252; else the code page of the fonts' character sets (Times New
// Roman Cyr, Arial CE, a Japanese font) when the text has bytes above ASCII
// (and, for a double-byte page, when they are well formed in it; for the
// page of another script, when the text's words are written in that script
// rather than Latin words with accents; for another Latin page, when the
// text has letters that only that page reads as letters); else
// Windows-1252.
int wordDocumentCodePage(const WordCodePageHints& hints, std::string_view storyBytes);

}  // namespace harvelux::wordproc
