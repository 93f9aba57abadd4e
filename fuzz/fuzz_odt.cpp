// OpenDocument text: a ZIP input is read as a package; anything else as the
// XML of content.xml or of a flat document, so that mutations of the XML
// are not lost to the archive's checksums.
#include "FuzzOptions.h"
#include "wordproc/Engine.h"
#include "wordproc/OdfBody.h"
#include "wordproc/OdfReader.h"
#include "wordproc/XmlDocument.h"
#include "wordproc/ZipArchive.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadOptions options = fuzzReadOptions(data, size);
    try {
        if (ZipArchive::looksLikeZip(bytes)) {
            const ZipArchive zip(bytes);
            if (isOpenDocumentTextPackage(zip)) readOpenDocumentPackageText(zip, options);
            return 0;
        }
        if (looksLikeFlatOpenDocumentText(bytes)) {
            readFlatOpenDocumentText(bytes, options);
            return 0;
        }
        pugi::xml_document document;
        parseXml(document, bytes, "content.xml", true);
        readOpenDocumentBody(document);
    } catch (const EngineError&) {
    }
    return 0;
}
