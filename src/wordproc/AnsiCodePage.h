// The 8-bit character sets of Word 6/95 text: the Windows ANSI code page of
// the document's language, or the Macintosh character set for documents
// saved on a Mac.
#pragma once

#include "wordproc/WordStoryReader.h"

#include <cstdint>
#include <string>

namespace harvelux::wordproc {

// The ANSI code page Windows used for a language id (lid): 1250 for Central
// European languages, 1251 for Cyrillic, ..., 1252 for the rest. Languages
// with double-byte code pages also get 1252, which reads their ASCII.
unsigned ansiCodePageForLanguage(std::uint16_t lid);

// Unicode for each byte of a single-byte character set named as iconv names
// it ("CP1251", "MACINTOSH"). Bytes the set leaves undefined keep their value
// as a code point; a set iconv lacks is read as Windows-1252.
ByteCharacters singleByteCharacters(const std::string& iconvName);

}  // namespace harvelux::wordproc
