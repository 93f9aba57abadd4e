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
#include "wordproc/Word2Reader.h"
#include "wordproc/WordBinaryReader.h"
#include "wordproc/ZipArchive.h"

#include <optional>

namespace harvelux::wordproc {

namespace {

// The format of the bytes. A ZIP archive or compound file built to look
// inside is left in `zip` or `compound`, so the reader need not parse the
// container a second time.
Format detect(std::string_view data, std::optional<ZipArchive>& zip, std::optional<CompoundFile>& compound) {
    if (looksLikeRtf(data)) return Format::Rtf;
    if (ZipArchive::looksLikeZip(data)) {
        try {
            zip.emplace(data);
            if (isOoxmlPackage(*zip)) return Format::Ooxml;
            if (isOpenDocumentTextPackage(*zip)) return Format::OpenDocument;
        } catch (const EngineError&) {
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
        } catch (const EngineError&) {
        }
        return Format::Unknown;
    }
    if (looksLikeWord2(data)) return Format::Word2;
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
    return detect(data, zip, compound);
}

std::string readDocumentText(std::string_view data) {
    std::optional<ZipArchive> zip;
    std::optional<CompoundFile> compound;
    switch (detect(data, zip, compound)) {
        case Format::Ooxml:
            return readOoxmlText(*zip);
        case Format::PlainText:
            return readPlainText(data);
        case Format::WordBinary:
            return readWordBinaryText(*compound);
        case Format::Word2:
            return readWord2Text(data);
        case Format::WordXml:
            return readWordXmlText(data);
        case Format::EncryptedPackage:
            throw EngineError("the document is encrypted");
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
    throw EngineError("unknown document format");
}

}  // namespace harvelux::wordproc
