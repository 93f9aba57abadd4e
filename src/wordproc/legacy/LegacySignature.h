// Recognising the older word-processor formats that the legacy reader
// module reads (WordPerfect; Works, Write and Word for DOS; the Mac word
// processors) by their first bytes, without loading the module or its
// libraries.
#pragma once

#include <string_view>

namespace harvelux::wordproc {

class CompoundFile;

// The library family that reads a recognised file.
enum class LegacyFamily : int { None = 0, WordPerfect = 1, Works = 2, Mac = 3 };

// A format with a distinctive header: WordPerfect 5 and later, WriteNow,
// ClarisWorks/AppleWorks, Mariner Write, Word for the Mac 1-5.
LegacyFamily distinctLegacyFamily(std::string_view data);

// A Works word-processor document in a compound file (Works 4 to 2000 and
// later); tested once the file is known not to be a Word document.
bool isWorksCompound(const CompoundFile& compound);

// Formats whose header says less (WordPerfect 4.2, Works for DOS, Write,
// Word for DOS, MacWrite, MacWrite II and Pro, Works for the Mac, WriteNow
// 1-2): only asked for binary files that no other reader takes, and the
// module's libraries check the whole file before reading it.
LegacyFamily weakLegacyFamily(std::string_view data);

}  // namespace harvelux::wordproc
