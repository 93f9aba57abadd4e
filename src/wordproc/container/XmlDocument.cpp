#include "wordproc/container/XmlDocument.h"

#include "wordproc/EngineInterface.h"

#include <cstring>

namespace harvelux::wordproc {

void parseXml(pugi::xml_document& document, std::string_view xml, const char* what, bool keepWhitespaceText) {
    unsigned options = (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_doctype;
    // pugixml lets parse_ws_pcdata_single win when both are given.
    if (keepWhitespaceText) options = (options & ~pugi::parse_ws_pcdata_single) | pugi::parse_ws_pcdata;
    const pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size(), options, pugi::encoding_auto);
    if (!result) throw EngineError(std::string(what) + " is not well-formed XML");
}

std::optional<std::string> prefixFor(const pugi::xml_node& element, std::initializer_list<std::string_view> uris) {
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        const std::string_view value = attribute.value();
        bool matches = false;
        for (const std::string_view uri : uris) matches = matches || value == uri;
        if (!matches) continue;
        if (name == "xmlns") return std::string();
        if (name.substr(0, 6) == "xmlns:") return std::string(name.substr(6)) + ":";
    }
    return std::nullopt;
}

std::string_view localName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view namePrefix(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon + 1);
}

std::string textWithin(const pugi::xml_node& element, std::size_t maxBytes) {
    std::string text;
    pugi::xml_node node = element.first_child();
    while (node && text.size() < maxBytes) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != element && !node.next_sibling()) node = node.parent();
        if (!node || node == element) break;
        node = node.next_sibling();
    }
    if (text.size() > maxBytes) text.resize(maxBytes);
    return text;
}

}  // namespace harvelux::wordproc
