#include "wordproc/container/XmlNamespaces.h"

namespace harvelux::wordproc {

namespace {

// Splits "p:name" into "p" and "name"; a name without a colon has prefix "".
std::pair<std::string_view, std::string_view> splitName(std::string_view name) {
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) return {std::string_view(), name};
    return {name.substr(0, colon), name.substr(colon + 1)};
}

}  // namespace

std::size_t XmlNamespaces::enter(const pugi::xml_node& element) {
    const std::size_t mark = declared_.size();
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        std::string_view prefix;
        if (name == "xmlns") {
            prefix = std::string_view();
        } else if (name.substr(0, 6) == "xmlns:") {
            prefix = name.substr(6);
        } else {
            continue;
        }
        bound_[prefix].push_back(attribute.value());
        declared_.push_back(prefix);
    }
    return mark;
}

void XmlNamespaces::leave(std::size_t mark) {
    while (declared_.size() > mark) {
        bound_[declared_.back()].pop_back();
        declared_.pop_back();
    }
}

std::string_view XmlNamespaces::lookup(std::string_view prefix) const {
    const auto found = bound_.find(prefix);
    return found == bound_.end() || found->second.empty() ? std::string_view() : found->second.back();
}

std::string_view XmlNamespaces::uriOf(const pugi::xml_node& element) const {
    return lookup(splitName(element.name()).first);
}

std::string_view XmlNamespaces::attribute(const pugi::xml_node& element, std::string_view uri,
                                          std::string_view local) const {
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        const auto [prefix, name] = splitName(attribute.name());
        // Attributes without a prefix are in no namespace.
        if (name == local && !prefix.empty() && prefix != "xmlns" && lookup(prefix) == uri) return attribute.value();
    }
    return std::string_view();
}

}  // namespace harvelux::wordproc
