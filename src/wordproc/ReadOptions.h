// What a reader reads of a document. Passed to every reader with the
// document, so that instances on different threads may read differently.
#pragma once

#include <string>

namespace harvelux::wordproc {

struct ReadOptions {
    // Off: the main story only. On: the main story, then footnotes,
    // endnotes, comments, text boxes and frames, headers and footers, each
    // story ending in CR, then the addresses of mailto: links, one a line.
    bool allStories = false;
    // Optical character recognition: on, picture files and the pages of a
    // PDF that carry no text are read through Tesseract in `ocrLanguages`
    // (its language names joined by "+", as "eng+deu"); off, such documents
    // are reported as scanned pages not read.
    bool ocr = false;
    std::string ocrLanguages = "eng";

    bool operator==(const ReadOptions&) const = default;
};

}  // namespace harvelux::wordproc
