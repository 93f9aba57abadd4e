#include "wordproc/WordCodePage.h"

#include "wordproc/CodePages.h"
#include "wordproc/LittleEndian.h"
#include "wordproc/TextBuilder.h"

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
        auto* vote = std::find_if(votes.begin(), votes.begin() + pages, [&](const auto& v) { return v.first == codePage; });
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

bool wellFormedIn(int codePage, std::string_view bytes) {
    CodePageDecoder decoder;
    TextBuilder text;
    decoder.decode(codePage, bytes, text);
    return text.text().find(kReplacementUtf8) == std::string::npos;
}

}  // namespace

int wordDocumentCodePage(const WordCodePageHints& hints, std::string_view storyBytes) {
    if (hints.macintosh) return kMacRoman;
    const int language = hints.lid == 0 ? kWindowsLatin1 : codePageForLanguage(hints.lid);
    if (language != kWindowsLatin1 || !hasBytesAboveAscii(storyBytes)) return language;
    const int fonts = fontsCodePage(hints.fontTable, hints.charsetOffset);
    if (fonts == 0 || fonts == kWindowsLatin1) return kWindowsLatin1;
    if (isDoubleByteCodePage(fonts) && !wellFormedIn(fonts, storyBytes)) return kWindowsLatin1;
    return fonts;
}

}  // namespace harvelux::wordproc
