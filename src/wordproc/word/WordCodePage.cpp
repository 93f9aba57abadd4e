#include "wordproc/word/WordCodePage.h"

#include "wordproc/container/LittleEndian.h"
#include "wordproc/encoding/CodePages.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>
#include <array>
#include <utility>

namespace harvelux::wordproc {

namespace {

constexpr int kMacRoman = 10000;
constexpr std::size_t kFontTableHeader = 2;  // the table's own byte count
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// The code page most of the fonts' character sets name, or 0. ANSI,
// default, symbol, Mac and OEM fonts name none.
int fontsCodePage(std::string_view table, std::size_t charsetOffset) {
    std::array<std::pair<int, int>, 16> votes{};  // code page, fonts
    std::size_t pages = 0;
    for (std::size_t pos = kFontTableHeader; pos < table.size();) {
        const std::size_t size = std::size_t{byteAt(table, pos)} + 1;
        if (!fitsIn(table.size(), pos, size) || charsetOffset >= size) break;
        const int codePage = codePageForCharset(byteAt(table, pos + charsetOffset));
        pos += size;
        if (codePage == 0 || codePage == kMacRoman || codePage == 437) continue;
        auto* vote =
            std::find_if(votes.begin(), votes.begin() + pages, [&](const auto& v) { return v.first == codePage; });
        if (vote == votes.begin() + pages) {
            if (pages == votes.size()) continue;
            *vote = {codePage, 0};
            ++pages;
        }
        ++vote->second;
    }
    const auto* best = std::max_element(votes.begin(), votes.begin() + pages,
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
    return best == votes.begin() + pages ? 0 : best->first;
}

bool hasBytesAboveAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// At most this much of a story is looked at to choose its code page.
constexpr std::size_t kSampleBytes = 1 << 20;

// The story's first bytes, no character cut in two.
std::string_view sampleOf(std::string_view bytes) { return bytes.substr(0, doubleByteSafeEnd(bytes, kSampleBytes)); }

bool wellFormedIn(int codePage, std::string_view bytes) {
    CodePageDecoder decoder;
    TextBuilder text;
    decoder.decode(codePage, sampleOf(bytes), text);
    return text.text().find(kReplacementUtf8) == std::string::npos;
}

// Latin letters beyond ASCII: Latin-1's letters and Latin Extended-A and B.
bool isAccentedLatinLetter(char32_t c) { return c >= 0xC0 && c < 0x250 && c != 0xD7 && c != 0xF7; }

// Letters of the scripts with single-byte pages of their own: Greek,
// Cyrillic, Hebrew, Arabic, Thai.
bool isOtherScriptLetter(char32_t c) {
    return (c >= 0x0370 && c < 0x0800) || (c >= 0x0E00 && c < 0x0E80) || (c >= 0xFB1D && c < 0xFF00);
}

// Whether 8-bit text read in the page of another script (1251 Cyrillic,
// 1253 Greek, 1255 Hebrew, 1256 Arabic, 874 Thai) looks written in it: its
// words of that script stand whole, and are not letters inside Latin words,
// as a Western text's accented letters would read ("Café" as "Cafй").
bool looksWrittenInScript(int codePage, std::string_view bytes) {
    const ByteCharacters characters = singleByteCharacters(codePage);
    std::size_t whole = 0, mixed = 0, latin = 0, script = 0;
    const auto endWord = [&] {
        if (script >= 2 && latin == 0)
            ++whole;
        else if (script > 0 && latin > 0)
            ++mixed;
        latin = script = 0;
    };
    for (const char c : sampleOf(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t character = characters[byte];
        if (isAsciiLetter(c) || (byte >= 0x80 && isAccentedLatinLetter(character)))
            ++latin;
        else if (isOtherScriptLetter(character))
            ++script;
        else
            endWord();
    }
    endWord();
    return whole > mixed;
}

// Whether 8-bit text read in another Latin page (1250 Central European,
// 1254 Turkish, 1257 Baltic, 1258 Vietnamese) has a letter there that
// Windows-1252 reads as punctuation, a symbol or nothing, next to a letter:
// "ł", "ą", "ż" or "ť" inside a word. Without such a letter the two pages
// read the text as Latin words alike, and the Western page is kept: a
// single Central European font in a Western document's table does not turn
// its "à" into "ŕ".
bool hasLettersOnlyIn(int codePage, std::string_view bytes) {
    const ByteCharacters page = singleByteCharacters(codePage);
    const ByteCharacters western = singleByteCharacters(kWindowsLatin1);
    const auto isLetter = [&page](unsigned char byte) {
        return isAsciiLetter(static_cast<char>(byte)) || isAccentedLatinLetter(page[byte]);
    };
    const std::string_view sample = sampleOf(bytes);
    for (std::size_t i = 0; i < sample.size(); ++i) {
        const auto byte = static_cast<unsigned char>(sample[i]);
        if (byte < 0x80 || !isAccentedLatinLetter(page[byte]) || isAccentedLatinLetter(western[byte])) continue;
        const bool letterBefore = i > 0 && isLetter(static_cast<unsigned char>(sample[i - 1]));
        const bool letterAfter = i + 1 < sample.size() && isLetter(static_cast<unsigned char>(sample[i + 1]));
        if (letterBefore || letterAfter) return true;
    }
    return false;
}

bool isOtherScriptPage(int codePage) {
    return codePage == 1251 || codePage == 1253 || codePage == 1255 || codePage == 1256 || codePage == 874;
}

// Whether the story reads as text of the fonts' page rather than as Western
// text. A font in the table does not make the text its own: it may be
// unused, or used for a few words.
bool readsInFontsPage(int codePage, std::string_view bytes) {
    if (isDoubleByteCodePage(codePage)) return wellFormedIn(codePage, bytes);
    if (isOtherScriptPage(codePage)) return looksWrittenInScript(codePage, bytes);
    return hasLettersOnlyIn(codePage, bytes);
}

}  // namespace

int wordDocumentCodePage(const WordCodePageHints& hints, std::string_view storyBytes) {
    if (hints.macintosh) return kMacRoman;
    const int language = hints.lid == 0 ? kWindowsLatin1 : codePageForLanguage(hints.lid);
    if (language != kWindowsLatin1 || !hasBytesAboveAscii(storyBytes)) return language;
    const int fonts = fontsCodePage(hints.fontTable, hints.charsetOffset);
    if (fonts == 0 || fonts == kWindowsLatin1) return kWindowsLatin1;
    return readsInFontsPage(fonts, storyBytes) ? fonts : kWindowsLatin1;
}

}  // namespace harvelux::wordproc
