// WordprocessingML: packages (relationships, main part, body), Word 2003 XML,
// and the XML of a main part on its own.
#include "PackageFuzz.h"
#include "wordproc/OoxmlBody.h"
#include "wordproc/OoxmlReader.h"

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr harvelux::fuzz::PackageFormat kOoxml{isOoxmlPackage,   readOoxmlText,     looksLikeWordXml,
                                                          readWordXmlText, "word/document.xml", readWordprocessingBody};
    return harvelux::fuzz::fuzzPackage(kOoxml, data, size);
}
