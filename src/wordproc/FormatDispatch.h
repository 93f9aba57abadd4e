// Recognises a document's format by its content (magic bytes, then the
// container's contents) and hands it to that format's reader.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

enum class Format {
    Unknown,
    Ooxml,
    PlainText,
    WordBinary,
    Word2,  // Word for Windows 1.x and 2.0
    WordXml,
    EncryptedPackage,  // recognised, never read
    Rtf,
    OpenDocument,
    FlatOpenDocument,
    Html,
    Pdf,
    WebArchive,
    OldWordProcessor,  // WordPerfect, Works, Write, Word for DOS, old Mac formats
    Picture,           // scans, faxes and photographs: PNG, JPEG, TIFF, BMP, GIF, WebP, Netpbm
};

// The format of the bytes; Unknown when no reader takes them.
Format detectFormat(std::string_view data);

// The main-story text (and with `options.allStories`, the other stories
// after it); throws EngineError for an unknown, damaged or encrypted
// document.
std::string readDocumentText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
