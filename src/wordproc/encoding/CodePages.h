// Text stored in a Windows code page, as RTF (\ansicpg, \fcharset, \'hh)
// stores it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class TextBuilder;

inline constexpr int kWindowsLatin1 = 1252;

// The code page a font's character set (\fcharsetN) implies, or 0 when the
// character set names none (ANSI, default, symbol) and the document's own
// code page applies.
int codePageForCharset(int charset);

// Windows-1252 to Unicode; the five bytes the page leaves unassigned map to
// the C1 controls, as plain text is read.
char32_t windows1252ToUnicode(unsigned char byte);

// The code points of bytes 0x80-0xFF of a tabled single-byte code page
// (437, 850, 874, 1250, 1251, 1253-1258, 10000), or nullptr.
const std::array<char16_t, 128>* singleByteUpperHalf(int codePage);

// Unicode for each byte value of a single-byte code page: ASCII below 0x80,
// the page's table above; a page without a table is read as Windows-1252.
using ByteCharacters = std::array<char32_t, 256>;
ByteCharacters singleByteCharacters(int codePage);

// True for the double-byte pages (932, 936, 949, 950, 1361).
bool isDoubleByteCodePage(int codePage);

// Where to end a piece of at most `most` bytes of double-byte text so that
// no character is cut in two: after the last byte below 0x30 (control
// codes, space and most ASCII punctuation), which no double-byte page uses
// as a lead or trail byte, or at `most` when the piece has none.
std::size_t doubleByteSafeEnd(std::string_view bytes, std::size_t most);

// The Windows ANSI code page of a language id (lid): 1250 for Central
// European languages, 1251 for Cyrillic, ..., 932 for Japanese; 1252 for
// Western and unknown languages.
int codePageForLanguage(std::uint16_t lid);

// Decodes byte strings of one code page at a time. Single-byte pages come
// from tables; the double-byte pages (932, 936, 949, 950, 1361) go through
// the C library's iconv, 65001 is UTF-8. A byte sequence the page does not
// define, or a lead byte whose trail byte is missing, becomes U+FFFD; a code
// page we do not know is read as Windows-1252. One decoder per document: it
// keeps its iconv descriptors and is not shared between threads.
class CodePageDecoder {
public:
    CodePageDecoder() = default;
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    void decode(int codePage, std::string_view bytes, TextBuilder& out);

private:
    struct Converter {
        int codePage;
        void* descriptor;  // iconv_t, or (iconv_t)-1 when iconv lacks the page
    };
    void* converterFor(int codePage);
    void decodeDoubleByte(void* descriptor, std::string_view bytes, TextBuilder& out);

    std::vector<Converter> converters_;
};

}  // namespace harvelux::wordproc
