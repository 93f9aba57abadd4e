#include "wordproc/FormatDispatch.h"

#include "wordproc/CompoundFile.h"
#include "wordproc/Engine.h"
#include "wordproc/HtmlSignature.h"
#include "wordproc/OdfReader.h"
#include "wordproc/OoxmlReader.h"
#include "wordproc/PdfSignature.h"
#include "wordproc/PlainTextReader.h"
#include "wordproc/ReaderModule.h"
#include "wordproc/RtfReader.h"
#include "wordproc/WordBinaryReader.h"
#include "wordproc/ZipArchive.h"

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
        } catch (const EngineError& error) {
            if (!compound) damage = error.what();
        }
        return Format::Unknown;
    }
    if (looksLikePdf(data)) return Format::Pdf;
    if (looksLikeFlatOpenDocumentText(data)) return Format::FlatOpenDocument;
    if (looksLikeWordXml(data)) return Format::WordXml;
    if (looksLikeHtml(data)) return Format::Html;
    if (looksLikePlainText(data)) return Format::PlainText;
    return Format::Unknown;
}

}  // namespace

Format detectFormat(std::string_view data) {
    std::optional<ZipArchive> zip;
    std::optional<CompoundFile> compound;
    std::string damage;
    return detect(data, zip, compound, damage);
}

std::string readDocumentText(std::string_view data) {
    std::optional<ZipArchive> zip;
    std::optional<CompoundFile> compound;
    std::string damage;
    switch (detect(data, zip, compound, damage)) {
        case Format::Ooxml:
            return readOoxmlText(*zip);
        case Format::PlainText:
            return readPlainText(data);
        case Format::WordBinary:
            return readWordBinaryText(*compound);
        case Format::WordXml:
            return readWordXmlText(data);
        case Format::EncryptedPackage:
            throw EngineError("the document is encrypted", UnreadableReason::Encrypted);
        case Format::Rtf:
            return readRtfText(data);
        case Format::OpenDocument:
            return readOpenDocumentPackageText(*zip);
        case Format::FlatOpenDocument:
            return readFlatOpenDocumentText(data);
        case Format::Html:
            return readHtmlThroughModule(data);
        case Format::Pdf:
            return readPdfThroughModule(data);
        case Format::Unknown:
            break;
    }
    if (!damage.empty()) throw EngineError(damage);
    throw EngineError("unknown document format", UnreadableReason::UnknownFormat);
}

}  // namespace harvelux::wordproc
