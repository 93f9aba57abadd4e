// Recognises a document's format by its content (magic bytes, then the
// container's contents) and hands it to that format's reader.
#pragma once

#include "wordproc/ReadOptions.h"

#include <chrono>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

class MemberSink;

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
    Archive,           // ZIP, 7-Zip, tar, RAR, single compressed files: a container
    MailMessage,       // an RFC 5322 message (.eml); its attachments are members
    Mailbox,           // mbox: messages one after the other
    OutlookMessage,    // an Outlook item saved as a file (.msg)
    Tnef,              // winmail.dat: an Outlook message inside an Internet mail
    MailStore,         // an Outlook mail store (.pst, .ost)
    SpreadsheetML,     // .xlsx and its kin
    OpenDocumentSpreadsheet,
    FlatOpenDocumentSpreadsheet,
    ExcelBinary,     // Excel 97-2003 and 5.0/95
    PresentationML,  // .pptx and its kin
    OpenDocumentPresentation,
    FlatOpenDocumentPresentation,
    PowerPointBinary,  // PowerPoint 97-2003
    Picture,           // scans, faxes and photographs: PNG, JPEG, TIFF, BMP, GIF, WebP, Netpbm
};

// The format of the bytes; Unknown when no reader takes them.
Format detectFormat(std::string_view data);

// The main-story text (and with `options.allStories`, the other stories
// after it); throws EngineError for an unknown, damaged or encrypted
// document.
std::string readDocumentText(std::string_view data, const ReadOptions& options = {});

// The same, and when the format is a container (an archive, an e-mail), its
// members handed to `members` after the text is read. Listing the members
// (and reading them) has the work budget that ends at `membersDeadline`.
std::string readDocumentText(std::string_view data, const ReadOptions& options, MemberSink& members,
                             std::chrono::steady_clock::time_point membersDeadline);

}  // namespace harvelux::wordproc
