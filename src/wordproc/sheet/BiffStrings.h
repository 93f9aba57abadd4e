// The strings of a workbook's records. BIFF8 keeps them as Unicode: a
// character count, a flags byte (two bytes a character or one, rich-text
// runs, phonetic data) and the characters. BIFF2 to BIFF7 keep a count and
// bytes in the workbook's code page (its CODEPAGE record).
#pragma once

#include "wordproc/encoding/CodePages.h"
#include "wordproc/sheet/BiffRecords.h"

#include <cstdint>
#include <string>

namespace harvelux::wordproc::biff {

enum class Version : std::uint8_t { Biff2, Biff3, Biff4, Biff5, Biff8 };

class StringReader {
public:
    explicit StringReader(Version version) : version_(version) {}

    Version version() const { return version_; }
    // From a CODEPAGE record's value (BIFF2 to BIFF7).
    void setCodePage(std::uint16_t value);

    // A string with a 16-bit character count (BIFF8's XLUnicodeString and
    // its rich form in the shared strings; BIFF3 to BIFF7 LABEL, STRING).
    // The rich-text runs and phonetic data of a BIFF8 string are skipped.
    void readString16(ContinuedBytes& bytes, std::string& out);
    // A string with an 8-bit count (BIFF2 LABEL and STRING, BIFF2 to BIFF7
    // HEADER and FOOTER).
    void readString8(ContinuedBytes& bytes, std::string& out);
    // `count` characters of BIFF8 text (a flags byte first) or bytes of
    // code-page text.
    void readCharacters(ContinuedBytes& bytes, std::size_t count, std::string& out);

private:
    void decodeBytes(std::string_view bytes, std::string& out);

    Version version_;
    int codePage_ = kWindowsLatin1;
    bool utf16_ = false;  // the workbook says code page 1200
    CodePageDecoder decoder_;
};

}  // namespace harvelux::wordproc::biff
