// WordprocessingML: packages (relationships, main part, body), Word 2003 XML,
// and the XML of a main part on its own.
#include "FuzzOptions.h"
#include "PackageFuzz.h"
#include "wordproc/ooxml/OoxmlBody.h"

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr harvelux::fuzz::PackageFormat kOoxml{
        Format::Ooxml, Format::WordXml, "word/document.xml",
        [](const pugi::xml_document& document) { return readWordprocessingBody(document); }};
    return harvelux::fuzz::fuzzPackage(kOoxml, data, size, fuzzReadOptions(data, size));
}
