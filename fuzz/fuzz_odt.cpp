// OpenDocument text: packages, flat documents, and the XML of content.xml on
// its own.
#include "PackageFuzz.h"
#include "wordproc/OdfBody.h"
#include "wordproc/OdfReader.h"

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr harvelux::fuzz::PackageFormat kOdt{isOpenDocumentTextPackage, readOpenDocumentPackageText,
                                                        looksLikeFlatOpenDocumentText, readFlatOpenDocumentText,
                                                        "content.xml", readOpenDocumentBody};
    return harvelux::fuzz::fuzzPackage(kOdt, data, size);
}
