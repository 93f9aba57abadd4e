// The namespace declarations in scope during a walk of a pugixml tree, so
// that elements and attributes are matched by namespace URI whatever
// prefix the writer chose. Lookups and scope changes take constant time.
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harvelux::wordproc {

class XmlNamespaces {
public:
    // Brings the declarations made on `element` into scope; returns the mark
    // that `leave` takes to remove them again when the walk leaves it.
    std::size_t enter(const pugi::xml_node& element);
    void leave(std::size_t mark);

    // The URI of an element's name, or "" when its prefix is not bound.
    std::string_view uriOf(const pugi::xml_node& element) const;
    // The value of the attribute with this namespace URI and local name.
    std::string_view attribute(const pugi::xml_node& element, std::string_view uri, std::string_view local) const;

private:
    std::string_view lookup(std::string_view prefix) const;

    std::unordered_map<std::string_view, std::vector<std::string_view>> bound_;  // prefix to URIs, innermost last
    std::vector<std::string_view> declared_;  // prefixes in the order they were declared
};

}  // namespace harvelux::wordproc
