// Which code page the bytes of RTF text are in: the one the font table
// gives the current font (\fcharsetN or \cpgN), else the document's
// (\ansicpgN, \ansi, \mac, \pc, \pca).
#pragma once

#include "wordproc/encoding/CodePages.h"
#include "wordproc/rtf/RtfTokenizer.h"

#include <unordered_map>

namespace harvelux::wordproc {

class RtfCodePages {
public:
    // A control word inside the font table: \fN starts a font's entry, its
    // \fcharsetN or \cpgN gives the font's code page.
    void fontTableWord(const RtfToken& token);

    // A control word of the text that names the document's code page or
    // default font (\deffN); other words change nothing.
    void documentWord(const RtfToken& token);

    // The code page of text in `font` (-1: the default font).
    int codePageOf(int font) const;

private:
    int documentCodePage_ = kWindowsLatin1;
    int defaultFont_ = -1;
    int definingFont_ = -1;
    std::unordered_map<int, int> fontCodePages_;
};

}  // namespace harvelux::wordproc
