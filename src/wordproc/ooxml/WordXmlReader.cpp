#include "wordproc/ooxml/WordXmlReader.h"

#include "wordproc/container/XmlDocument.h"
#include "wordproc/ooxml/OoxmlBody.h"
#include "wordproc/ooxml/OoxmlStories.h"
#include "wordproc/text/OtherStories.h"

namespace harvelux::wordproc {

bool looksLikeWordXml(std::string_view data) {
    const std::string_view head = data.substr(0, 4096);
    const std::size_t start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return start != std::string_view::npos && head.substr(start, 5) == "<?xml" &&
           head.find("schemas.microsoft.com/office/word/2003/wordml") != std::string_view::npos &&
           head.find(":wordDocument") != std::string_view::npos;
}

std::string readWordXmlText(std::string_view data, const ReadOptions& options) {
    pugi::xml_document document;
    parseXml(document, data, "the document");
    if (!options.allStories) return readWordprocessingBody(document);
    OtherStories stories;
    std::string main = readWordprocessingBody(document, WordLinks{&stories, nullptr});
    readWordXmlStories(document, stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
