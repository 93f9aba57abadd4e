// OpenDocument text: packages, flat documents, and the XML of content.xml on
// its own.
#include "FuzzOptions.h"
#include "PackageFuzz.h"
#include "wordproc/odf/OdfBody.h"
#include "wordproc/odf/OdfReader.h"

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr harvelux::fuzz::PackageFormat kOdt{
        isOpenDocumentTextPackage,
        [](const ZipArchive& zip, const ReadOptions& options) { return readOpenDocumentPackageText(zip, options); },
        looksLikeFlatOpenDocumentText,
        [](std::string_view bytes, const ReadOptions& options) { return readFlatOpenDocumentText(bytes, options); },
        "content.xml",
        [](const pugi::xml_document& document) { return readOpenDocumentBody(document); }};
    return harvelux::fuzz::fuzzPackage(kOdt, data, size, fuzzReadOptions(data, size));
}
