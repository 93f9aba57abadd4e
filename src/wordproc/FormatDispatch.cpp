#include "wordproc/FormatDispatch.h"

#include "wordproc/CompoundFile.h"
#include "wordproc/Engine.h"
#include "wordproc/OoxmlReader.h"
#include "wordproc/PlainTextReader.h"
#include "wordproc/WordBinaryReader.h"
#include "wordproc/ZipArchive.h"

namespace harvelux::wordproc {

const char* formatName(Format format) {
    switch (format) {
        case Format::Ooxml:
            return "OOXML";
        case Format::PlainText:
            return "plain text";
        case Format::WordBinary:
            return "Word binary";
        case Format::Unknown:
            break;
    }
    return "unknown";
}

Format detectFormat(std::string_view data) {
    if (ZipArchive::looksLikeZip(data)) {
        try {
            const ZipArchive zip(data);
            if (isOoxmlPackage(zip)) return Format::Ooxml;
        } catch (const EngineError&) {
        }
        return Format::Unknown;
    }
    if (CompoundFile::hasSignature(data)) {
        // Word documents, but also encrypted OOXML packages, spreadsheets and
        // other compound files, which no reader takes.
        try {
            if (isWordBinary(CompoundFile(data))) return Format::WordBinary;
        } catch (const EngineError&) {
        }
        return Format::Unknown;
    }
    if (looksLikePlainText(data)) return Format::PlainText;
    return Format::Unknown;
}

std::string readDocumentText(std::string_view data) {
    switch (detectFormat(data)) {
        case Format::Ooxml:
            return readOoxmlText(ZipArchive(data));
        case Format::PlainText:
            return readPlainText(data);
        case Format::WordBinary:
            return readWordBinaryText(CompoundFile(data));
        case Format::Unknown:
            break;
    }
    throw EngineError("unknown document format");
}

}  // namespace harvelux::wordproc
