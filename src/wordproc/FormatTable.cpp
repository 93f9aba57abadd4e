#include "wordproc/FormatTable.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/archive/ArchiveReader.h"
#include "wordproc/archive/ArchiveSignature.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/html/HtmlSignature.h"
#include "wordproc/html/WebArchive.h"
#include "wordproc/legacy/LegacySignature.h"
#include "wordproc/mail/MailReader.h"
#include "wordproc/mail/MailSignature.h"
#include "wordproc/module/LegacyModule.h"
#include "wordproc/module/OcrModule.h"
#include "wordproc/module/PdfHtmlModule.h"
#include "wordproc/ocr/PictureSignature.h"
#include "wordproc/odf/OdfEmbeddedObjects.h"
#include "wordproc/odf/OdfPresentation.h"
#include "wordproc/odf/OdfReader.h"
#include "wordproc/odf/OdfSpreadsheet.h"
#include "wordproc/ooxml/OoxmlEmbeddedObjects.h"
#include "wordproc/ooxml/OoxmlPackageReader.h"
#include "wordproc/ooxml/OoxmlPresentation.h"
#include "wordproc/ooxml/OoxmlWorkbook.h"
#include "wordproc/ooxml/WordXmlReader.h"
#include "wordproc/outlook/OutlookMessage.h"
#include "wordproc/outlook/PstReader.h"
#include "wordproc/outlook/TnefReader.h"
#include "wordproc/pdf/PdfSignature.h"
#include "wordproc/plain/PlainTextReader.h"
#include "wordproc/rtf/RtfObjects.h"
#include "wordproc/rtf/RtfReader.h"
#include "wordproc/sheet/SheetExcelReader.h"
#include "wordproc/slides/SlidesBinaryReader.h"
#include "wordproc/word/Word2Reader.h"
#include "wordproc/word/WordBinaryReader.h"
#include "wordproc/word/WordObjectPool.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace harvelux::wordproc {

namespace {

// The family readers' own signatures, as the table calls them.
template <bool (*test)(std::string_view)>
bool bytesTest(const FormatInput& input) {
    return test(input.data);
}
template <bool (*test)(const ZipArchive&)>
bool zipTest(const FormatInput& input) {
    return test(*input.zip);
}
template <bool (*test)(const CompoundFile&)>
bool compoundTest(const FormatInput& input) {
    return test(*input.compound);
}
template <std::string (*read)(std::string_view, const ReadOptions&)>
std::string bytesReader(const FormatInput& input, const ReadOptions& options) {
    return read(input.data, options);
}
template <std::string (*read)(const ZipArchive&, const ReadOptions&)>
std::string zipReader(const FormatInput& input, const ReadOptions& options) {
    return read(*input.zip, options);
}
template <std::string (*read)(const CompoundFile&, const ReadOptions&)>
std::string compoundReader(const FormatInput& input, const ReadOptions& options) {
    return read(*input.compound, options);
}

// A password-protected OOXML document is a compound file holding the
// encrypted package.
bool holdsEncryptedPackage(const FormatInput& input) { return input.compound->find(u"EncryptedPackage").has_value(); }

std::string refuseEncrypted(const FormatInput&, const ReadOptions&) {
    throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
}

// A workbook of Excel 5.0 and later is a compound file; an Excel 2.x to
// 4.0 worksheet is a stream of records on its own.
std::string readExcel(const FormatInput& input, const ReadOptions& options) {
    return input.compound ? readExcelText(*input.compound, options) : readSingleStreamWorkbookText(input.data, options);
}

std::string readPlain(const FormatInput& input, const ReadOptions&) { return readPlainText(input.data); }

std::string readWebArchive(const FormatInput& input, const ReadOptions& options) {
    const std::string page = webArchivePage(input.data);
    // A saved page may be empty; the parser takes no empty input.
    if (page.find_first_not_of(" \t\r\n") == std::string::npos) return {};
    return readHtmlThroughModule(page, options);
}

// A format whose text and members come from one parse of the bytes (an
// e-mail by GMime, a winmail.dat by one run of its reader process): the
// reader keeps what it parsed in the input for the member listing after it.
template <typename Parsed, std::shared_ptr<Parsed> (*parse)(std::string_view),
          std::string (*read)(const Parsed&, const ReadOptions&)>
std::string parsedReader(const FormatInput& input, const ReadOptions& options) {
    std::shared_ptr<Parsed> parsed = parse(input.data);
    input.parsed = parsed;
    return read(*parsed, options);
}

template <typename Parsed, std::shared_ptr<Parsed> (*parse)(std::string_view), void (*list)(Parsed&, MemberSink&)>
void parsedMembers(const FormatInput& input, const ReadOptions&, MemberSink& sink) {
    const auto* kept = std::any_cast<std::shared_ptr<Parsed>>(&input.parsed);
    list(kept ? **kept : *parse(input.data), sink);
}

// An archive or a mail store has no text of its own: its members are its
// documents.
std::string noText(const FormatInput&, const ReadOptions&) { return {}; }

template <void (*list)(std::string_view, MemberSink&)>
void bytesMembers(const FormatInput& input, const ReadOptions&, MemberSink& sink) {
    list(input.data, sink);
}

template <void (*list)(std::string_view, const ReadOptions&, MemberSink&)>
void bytesObjects(const FormatInput& input, const ReadOptions& options, MemberSink& sink) {
    list(input.data, options, sink);
}

template <void (*list)(const ZipArchive&, const ReadOptions&, MemberSink&)>
void zipMembers(const FormatInput& input, const ReadOptions& options, MemberSink& sink) {
    if (input.zip) list(*input.zip, options, sink);
}
template <void (*list)(const CompoundFile&, const ReadOptions&, MemberSink&)>
void compoundMembers(const FormatInput& input, const ReadOptions& options, MemberSink& sink) {
    if (input.compound) list(*input.compound, options, sink);
}
void outlookMessageMembers(const FormatInput& input, const ReadOptions&, MemberSink& sink) {
    if (input.compound) listOutlookMessageMembers(*input.compound, sink);
}

bool hasDistinctLegacySignature(const FormatInput& input) {
    return distinctLegacyFamily(input.data) != LegacyFamily::None;
}
bool hasWeakLegacySignature(const FormatInput& input) { return weakLegacyFamily(input.data) != LegacyFamily::None; }

// The library family of a document recognised as an old word processor's.
LegacyFamily legacyFamily(const FormatInput& input) {
    if (input.compound) return LegacyFamily::Works;
    const LegacyFamily distinct = distinctLegacyFamily(input.data);
    return distinct != LegacyFamily::None ? distinct : weakLegacyFamily(input.data);
}

std::string readOldWordProcessor(const FormatInput& input, const ReadOptions& options) {
    LegacyStories stories = readLegacyThroughModule(legacyFamily(input), input.data);
    if (options.allStories) stories.main += stories.others;
    return std::move(stories.main);
}

using enum DetectStage;

// Pictures are read by optical character recognition, when it is on.
std::string readPicture(const FormatInput& input, const ReadOptions& options) {
    return readPictureThroughModule(input.data, options);
}

constexpr FormatEntry kFormats[] = {
    {Format::Rtf,
     "RTF",
     {{{LeadingBytes, bytesTest<looksLikeRtf>}}},
     bytesReader<readRtfText>,
     "rtf",
     FormatModule::None,
     true,
     "fuzz_rtf",
     FormatFamily::Text,
     bytesObjects<listRtfObjects>},
    {Format::Tnef,
     "TNEF (winmail.dat)",
     {{{LeadingBytes, bytesTest<looksLikeTnef>}}},
     parsedReader<PstMessage, readTnefMessage, readTnefText>,
     "dat",
     FormatModule::None,
     true,
     "fuzz_outlook_tnef",
     FormatFamily::Mail,
     parsedMembers<PstMessage, readTnefMessage, listTnefMembers>},
    {Format::MailStore,
     "Outlook mail store",
     {{{LeadingBytes, bytesTest<looksLikePst>}}},
     noText,
     "pst ost",
     FormatModule::PstProcess,
     false,
     "fuzz_outlook_pst",
     FormatFamily::Mail,
     bytesMembers<listPstMembers>},
    // Spreadsheet and presentation packages are OPC packages too: they are
    // told by their main part before the Word row takes any package.
    {Format::SpreadsheetML,
     "Office Open XML spreadsheet",
     {{{InsideZip, zipTest<isSpreadsheetMLPackage>}}},
     zipReader<readSpreadsheetMLText>,
     "xlsx xlsm xltx xltm",
     FormatModule::None,
     true,
     "fuzz_sheet",
     FormatFamily::Spreadsheet},
    {Format::PresentationML,
     "Office Open XML presentation",
     {{{InsideZip, zipTest<isPresentationMLPackage>}}},
     zipReader<readPresentationMLText>,
     "pptx pptm potx ppsx",
     FormatModule::None,
     true,
     "fuzz_slides",
     FormatFamily::Presentation},
    {Format::Ooxml,
     "Office Open XML",
     {{{InsideZip, zipTest<isOoxmlPackage>}}},
     zipReader<readOoxmlText>,
     "docx docm dotx dotm",
     FormatModule::None,
     true,
     "fuzz_ooxml",
     FormatFamily::Text,
     zipMembers<listOoxmlEmbeddedObjects>},
    {Format::OpenDocument,
     "OpenDocument text",
     {{{InsideZip, zipTest<isOpenDocumentTextPackage>}}},
     zipReader<readOpenDocumentPackageText>,
     "odt ott",
     FormatModule::None,
     true,
     "fuzz_odt",
     FormatFamily::Text,
     zipMembers<listOpenDocumentObjects>},
    {Format::WordBinary,
     "Word 97-2003, Word 6.0/95",
     {{{InsideCompoundFile, compoundTest<isWordBinary>}}},
     compoundReader<readWordBinaryText>,
     "doc dot",
     FormatModule::None,
     true,
     "fuzz_word_binary",
     FormatFamily::Text,
     compoundMembers<listWordObjectPool>},
    {Format::OutlookMessage,
     "Outlook message",
     {{{InsideCompoundFile, compoundTest<isOutlookMessage>}}},
     compoundReader<readOutlookMessageText>,
     "msg",
     FormatModule::None,
     true,
     "fuzz_outlook_msg",
     FormatFamily::Mail,
     outlookMessageMembers},
    {Format::EncryptedPackage,
     "password-protected Office Open XML (refused as encrypted)",
     {{{InsideCompoundFile, holdsEncryptedPackage}}},
     refuseEncrypted,
     "docx docm dotx dotm",
     FormatModule::None,
     false,
     "fuzz_word_binary",
     FormatFamily::Text},
    {Format::ExcelBinary,
     "Excel 97-2003, Excel 5.0/95, Excel 2.x-4.0",
     {{{InsideCompoundFile, compoundTest<isExcelWorkbook>}, {Content, bytesTest<isSingleStreamWorkbook>}}},
     readExcel,
     "xls xlt",
     FormatModule::None,
     true,
     "fuzz_sheet",
     FormatFamily::Spreadsheet},
    {Format::PowerPointBinary,
     "PowerPoint 97-2003",
     {{{InsideCompoundFile, compoundTest<isPowerPointBinary>}}},
     compoundReader<readPowerPointText>,
     "ppt pps pot",
     FormatModule::None,
     true,
     "fuzz_slides",
     FormatFamily::Presentation},
    {Format::OpenDocumentSpreadsheet,
     "OpenDocument spreadsheet",
     {{{InsideZip, zipTest<isOpenDocumentSpreadsheetPackage>}}},
     zipReader<readOpenDocumentSpreadsheetText>,
     "ods ots",
     FormatModule::None,
     true,
     "fuzz_sheet",
     FormatFamily::Spreadsheet,
     zipMembers<listOpenDocumentObjects>},
    {Format::OpenDocumentPresentation,
     "OpenDocument presentation",
     {{{InsideZip, zipTest<isOpenDocumentPresentationPackage>}}},
     zipReader<readOpenDocumentPresentationText>,
     "odp otp",
     FormatModule::None,
     true,
     "fuzz_slides",
     FormatFamily::Presentation,
     zipMembers<listOpenDocumentObjects>},
    {Format::Word2,
     "Word for Windows 1.x and 2.0",
     {{{Content, bytesTest<looksLikeWord2>}}},
     bytesReader<readWord2Text>,
     "doc",
     FormatModule::None,
     true,
     "fuzz_word2",
     FormatFamily::Text},
    {Format::Pdf,
     "PDF",
     {{{Content, bytesTest<looksLikePdf>}}},
     bytesReader<readPdfThroughModule>,
     "pdf",
     FormatModule::PdfHtml,
     false,
     "fuzz_pdf",
     FormatFamily::Pdf},
    // Works documents are compound files; the other families are told by
    // their first bytes, the ones whose header says little only last.
    {Format::OldWordProcessor,
     "WordPerfect, Works, Write, Word for DOS, old Mac word processors",
     {{{InsideCompoundFile, compoundTest<isWorksCompound>},
       {Content, hasDistinctLegacySignature},
       {Fallback, hasWeakLegacySignature}}},
     readOldWordProcessor,
     "wpd wp wp5 wp6 wps wri mcw cwk doc",
     FormatModule::Legacy,
     true,
     "fuzz_legacy",
     FormatFamily::Text},
    {Format::WebArchive,
     "web archive",
     {{{Content, bytesTest<looksLikeWebArchive>}}},
     readWebArchive,
     "mht mhtml",
     FormatModule::PdfHtml,
     true,
     "fuzz_web_archive",
     FormatFamily::WebPage},
    {Format::FlatOpenDocument,
     "flat OpenDocument text",
     {{{Content, bytesTest<looksLikeFlatOpenDocumentText>}}},
     bytesReader<readFlatOpenDocumentText>,
     "fodt",
     FormatModule::None,
     true,
     "fuzz_odt",
     FormatFamily::Text},
    {Format::FlatOpenDocumentSpreadsheet,
     "flat OpenDocument spreadsheet",
     {{{Content, bytesTest<looksLikeFlatOpenDocumentSpreadsheet>}}},
     bytesReader<readFlatOpenDocumentSpreadsheetText>,
     "fods",
     FormatModule::None,
     true,
     "fuzz_sheet",
     FormatFamily::Spreadsheet},
    {Format::FlatOpenDocumentPresentation,
     "flat OpenDocument presentation",
     {{{Content, bytesTest<looksLikeFlatOpenDocumentPresentation>}}},
     bytesReader<readFlatOpenDocumentPresentationText>,
     "fodp",
     FormatModule::None,
     true,
     "fuzz_slides",
     FormatFamily::Presentation},
    {Format::WordXml,
     "Word 2003 XML",
     {{{Content, bytesTest<looksLikeWordXml>}}},
     bytesReader<readWordXmlText>,
     "xml doc",
     FormatModule::None,
     true,
     "fuzz_ooxml",
     FormatFamily::Text},
    {Format::Html,
     "HTML",
     {{{Content, bytesTest<looksLikeHtml>}}},
     bytesReader<readHtmlThroughModule>,
     "htm html xhtml",
     FormatModule::PdfHtml,
     true,
     "fuzz_html",
     FormatFamily::WebPage},
    // Before plain text, which a message also is.
    {Format::Mailbox,
     "mailbox (mbox)",
     {{{Content, bytesTest<looksLikeMailbox>}}},
     noText,
     "mbox mbx",
     FormatModule::None,
     false,
     "fuzz_archive",
     FormatFamily::Mail,
     bytesMembers<listMailboxMembers>},
    {Format::MailMessage,
     "e-mail message (RFC 5322, MIME)",
     {{{Content, bytesTest<looksLikeMailMessage>}}},
     parsedReader<const ParsedMail, parseMail, readMailText>,
     "eml msg822",
     FormatModule::None,
     true,
     "fuzz_archive",
     FormatFamily::Mail,
     parsedMembers<const ParsedMail, parseMail, listMailMembers>},
    {Format::Picture,
     "pictures: PNG, JPEG, TIFF, BMP, GIF, WebP, Netpbm (optical character recognition)",
     {{{LeadingBytes, bytesTest<looksLikePicture>}}},
     readPicture,
     "png jpg jpeg tif tiff bmp gif webp pnm pbm pgm ppm",
     FormatModule::Ocr,
     false,
     "fuzz_picture",
     FormatFamily::Picture},
    {Format::PlainText,
     "plain text",
     {{{Content, bytesTest<looksLikePlainText>}}},
     readPlain,
     "txt md csv tsv",
     FormatModule::None,
     false,
     "fuzz_dispatch",
     FormatFamily::PlainText},
    // Last, so that every document format that is a ZIP archive claims its
    // own first.
    {Format::Archive,
     "archives and compressed files (ZIP, 7-Zip, tar, RAR, gzip, bzip2, xz, zstd)",
     {{{LeadingBytes, bytesTest<looksLikeArchive>}, {InsideZip, zipTest<isPlainZipArchive>}}},
     noText,
     "zip 7z tar tgz gz tbz2 bz2 txz xz tzst zst rar",
     FormatModule::None,
     false,
     "fuzz_archive",
     FormatFamily::Archive,
     bytesMembers<listArchiveMembers>},
};

// Each format has one row, with its usual names and a fuzzer. (That each
// row has a reader and a signature is a test's to check: with the
// sanitizers on, GCC cannot compare a function's address with null while
// compiling.)
constexpr bool rowsAreWhole() {
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        const FormatEntry& entry = kFormats[i];
        if (entry.format == Format::Unknown) return false;
        if (entry.extensions.empty() || entry.fuzzer.empty()) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kFormats[j].format == entry.format) return false;
    }
    return true;
}
static_assert(rowsAreWhole(), "a format without an extension or fuzzer, or with two rows");

std::vector<std::string_view> words(std::string_view list) {
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find(' ', at), list.size());
        found.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

bool FormatEntry::matches(DetectStage stage, const FormatInput& input) const {
    return std::any_of(signatures.begin(), signatures.end(), [&](const FormatSignature& signature) {
        return signature.matches && signature.stage == stage && signature.matches(input);
    });
}

std::vector<std::string_view> FormatEntry::extensionList() const { return words(extensions); }

std::span<const FormatEntry> formatTable() { return kFormats; }

const FormatEntry& formatEntry(Format format) {
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [&](const FormatEntry& entry) { return entry.format == format; });
}

FormatFamily familyOf(const FormatEntry& entry) {
    if (entry.family != FormatFamily::ByExtension) return entry.family;
    const std::vector<std::string_view> extensions = entry.extensionList();
    return extensions.empty() ? FormatFamily::Text : familyOfExtension(extensions.front());
}

std::string_view folderScanPattern() {
    static const std::string pattern = [] {
        std::string built(kWordDocumentsPattern);
        std::vector<std::string> taken;
        for (const FormatEntry& entry : kFormats)
            for (const std::string_view extension : entry.extensionList()) {
                std::string name = lowerCase(extension);
                if (name.starts_with("do") || std::find(taken.begin(), taken.end(), name) != taken.end()) continue;
                built += " *." + name;
                taken.push_back(std::move(name));
            }
        return built;
    }();
    return pattern;
}

std::string familyPattern(FormatFamily family) {
    std::vector<std::string> names;
    const auto add = [&names](std::string_view extension) {
        std::string name = lowerCase(extension);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    };
    for (const FormatEntry& entry : kFormats)
        if (familyOf(entry) == family)
            for (const std::string_view extension : entry.extensionList()) add(extension);
    if (names.empty())
        for (const FamilyDescription& description : formatFamilies())
            if (description.family == family) {
                for (const std::string_view extension : words(description.usualExtensions)) add(extension);
            }
    std::string pattern;
    for (const std::string& name : names) pattern += (pattern.empty() ? "*." : " *.") + name;
    return pattern;
}

}  // namespace harvelux::wordproc
