// WordprocessingML: a ZIP input is read as a package (relationships, main
// part, body); anything else as Word 2003 XML or as the XML of a main part,
// so that mutations of the XML are not lost to the archive's checksums.
#include "wordproc/Engine.h"
#include "wordproc/OoxmlBody.h"
#include "wordproc/OoxmlReader.h"
#include "wordproc/XmlDocument.h"
#include "wordproc/ZipArchive.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (ZipArchive::looksLikeZip(bytes)) {
            const ZipArchive zip(bytes);
            if (isOoxmlPackage(zip)) readOoxmlText(zip);
            return 0;
        }
        if (looksLikeWordXml(bytes)) {
            readWordXmlText(bytes);
            return 0;
        }
        pugi::xml_document document;
        parseXml(document, bytes, "word/document.xml", true);
        readWordprocessingBody(document);
    } catch (const EngineError&) {
    }
    return 0;
}
