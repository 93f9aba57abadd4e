// OpenDocument text: packages, flat documents, and the XML of content.xml on
// its own.
#include "FuzzOptions.h"
#include "PackageFuzz.h"
#include "wordproc/odf/OdfBody.h"

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr harvelux::fuzz::PackageFormat kOdt{
        Format::OpenDocument, Format::FlatOpenDocument, "content.xml",
        [](const pugi::xml_document& document) { return readOpenDocumentBody(document); }};
    return harvelux::fuzz::fuzzPackage(kOdt, data, size, fuzzReadOptions(data, size));
}
