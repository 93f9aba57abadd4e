#include "wordproc/FormatDispatch.h"

#include "wordproc/container/CompoundFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/html/HtmlSignature.h"
#include "wordproc/module/LegacyModule.h"
#include "wordproc/legacy/LegacySignature.h"
#include "wordproc/odf/OdfReader.h"
#include "wordproc/ooxml/OoxmlPackageReader.h"
#include "wordproc/ooxml/WordXmlReader.h"
#include "wordproc/pdf/PdfSignature.h"
#include "wordproc/plain/PlainTextReader.h"
#include "wordproc/module/PdfHtmlModule.h"
#include "wordproc/rtf/RtfReader.h"
#include "wordproc/html/WebArchive.h"
#include "wordproc/word/Word2Reader.h"
#include "wordproc/word/WordBinaryReader.h"
#include "wordproc/container/ZipArchive.h"

#include <optional>

namespace harvelux::wordproc {

namespace {

// The format of the bytes. A ZIP archive or compound file built to look
// inside is left in `zip` or `compound`, so the reader need not parse the
// container a second time. A container that cannot be opened at all (a
// cut-off download, say) is Unknown, with the reason left in `damage`.
Format detect(std::string_view data, std::optional<ZipArchive>& zip, std::optional<CompoundFile>& compound,
              std::string& damage) {
    if (looksLikeRtf(data)) return Format::Rtf;
    if (ZipArchive::looksLikeZip(data)) {
        try {
            zip.emplace(data);
            if (isOoxmlPackage(*zip)) return Format::Ooxml;
            if (isOpenDocumentTextPackage(*zip)) return Format::OpenDocument;
        } catch (const EngineError& error) {
            if (!zip) damage = error.what();
        }
        return Format::Unknown;
    }
    if (CompoundFile::hasSignature(data)) {
        // Word documents, but also encrypted OOXML packages, spreadsheets and
        // other compound files, which no reader takes.
        try {
            compound.emplace(data);
            if (isWordBinary(*compound)) return Format::WordBinary;
            // A password-protected OOXML document is a compound file holding
            // the encrypted package.
            if (compound->find(u"EncryptedPackage")) return Format::EncryptedPackage;
            if (isWorksCompound(*compound)) return Format::OldWordProcessor;
        } catch (const EngineError& error) {
            if (!compound) damage = error.what();
        }
        return Format::Unknown;
    }
    if (looksLikeWord2(data)) return Format::Word2;
    if (looksLikePdf(data)) return Format::Pdf;
    if (distinctLegacyFamily(data) != LegacyFamily::None) return Format::OldWordProcessor;
    if (looksLikeWebArchive(data)) return Format::WebArchive;
    if (looksLikeFlatOpenDocumentText(data)) return Format::FlatOpenDocument;
    if (looksLikeWordXml(data)) return Format::WordXml;
    if (looksLikeHtml(data)) return Format::Html;
    if (looksLikePlainText(data)) return Format::PlainText;
    if (weakLegacyFamily(data) != LegacyFamily::None) return Format::OldWordProcessor;
    return Format::Unknown;
}

// The library family of a document detected as OldWordProcessor.
LegacyFamily legacyFamily(std::string_view data, bool isCompound) {
    if (isCompound) return LegacyFamily::Works;
    const LegacyFamily distinct = distinctLegacyFamily(data);
    return distinct != LegacyFamily::None ? distinct : weakLegacyFamily(data);
}

}  // namespace

Format detectFormat(std::string_view data) {
    std::optional<ZipArchive> zip;
    std::optional<CompoundFile> compound;
    std::string damage;
    return detect(data, zip, compound, damage);
}

std::string readDocumentText(std::string_view data, const ReadOptions& options) {
    std::optional<ZipArchive> zip;
    std::optional<CompoundFile> compound;
    std::string damage;
    switch (detect(data, zip, compound, damage)) {
        case Format::Ooxml:
            return readOoxmlText(*zip, options);
        case Format::PlainText:
            return readPlainText(data);
        case Format::WordBinary:
            return readWordBinaryText(*compound, options);
        case Format::Word2:
            return readWord2Text(data, options);
        case Format::WordXml:
            return readWordXmlText(data, options);
        case Format::EncryptedPackage:
            throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
        case Format::Rtf:
            return readRtfText(data, options);
        case Format::OpenDocument:
            return readOpenDocumentPackageText(*zip, options);
        case Format::FlatOpenDocument:
            return readFlatOpenDocumentText(data, options);
        case Format::Html:
            return readHtmlThroughModule(data, options);
        case Format::Pdf:
            return readPdfThroughModule(data, options);
        case Format::WebArchive: {
            const std::string page = webArchivePage(data);
            // A saved page may be empty; the parser takes no empty input.
            if (page.find_first_not_of(" \t\r\n") == std::string::npos) return {};
            return readHtmlThroughModule(page, options);
        }
        case Format::OldWordProcessor: {
            LegacyStories stories = readLegacyThroughModule(legacyFamily(data, compound.has_value()), data);
            if (options.allStories) stories.main += stories.others;
            return std::move(stories.main);
        }
        case Format::Unknown:
            break;
    }
    if (!damage.empty()) throw EngineError(damage);
    throw EngineError("unknown document format", UnreadableReason::UnknownFormat);
}

}  // namespace harvelux::wordproc
