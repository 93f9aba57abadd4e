#include "wordproc/ooxml/OpcRelationships.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/XmlDocument.h"
#include "wordproc/container/ZipArchive.h"

#include <pugixml.hpp>

#include <vector>

namespace harvelux::wordproc {

namespace {

// Calls `visit(id, relationship)` for each relationship of the part, in the
// order its relationship part lists them; nothing when that is missing or
// damaged.
template <typename Visit>
void forEachRelationship(const ZipArchive& zip, const std::string& partName, Visit visit) {
    const std::size_t slash = partName.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : partName.substr(0, slash);
    const std::string file = slash == std::string::npos ? partName : partName.substr(slash + 1);
    const auto bytes = zip.read((folder.empty() ? "" : folder + "/") + "_rels/" + file + ".rels");
    if (!bytes) return;
    pugi::xml_document document;
    try {
        parseXml(document, *bytes, "the part relationships");
    } catch (const EngineError&) {
        return;
    }
    for (const pugi::xml_node& rel : document.document_element().children()) {
        if (rel.type() != pugi::node_element || localName(rel) != "Relationship") continue;
        Relationship relationship;
        relationship.type = rel.attribute("Type").value();
        relationship.external = std::string_view(rel.attribute("TargetMode").value()) == "External";
        const std::string_view target = rel.attribute("Target").value();
        relationship.target = relationship.external ? std::string(target) : resolvePartName(folder, target);
        visit(std::string_view(rel.attribute("Id").value()), std::move(relationship));
    }
}

}  // namespace

std::string resolvePartName(std::string_view base, std::string_view target) {
    std::vector<std::string_view> segments;
    std::string_view path = target;
    std::string joined;
    if (!target.empty() && target.front() != '/' && !base.empty()) {
        joined = std::string(base) + "/" + std::string(target);
        path = joined;
    }
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view segment = path.substr(0, slash);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    std::string name;
    for (const std::string_view segment : segments) {
        if (!name.empty()) name += '/';
        name += segment;
    }
    return name;
}

Relationships readRelationships(const ZipArchive& zip, const std::string& partName) {
    Relationships relationships;
    forEachRelationship(zip, partName, [&relationships](std::string_view id, Relationship&& relationship) {
        relationships.emplace(id, std::move(relationship));
    });
    return relationships;
}

ExternalTargets externalTargets(const Relationships& relationships) {
    ExternalTargets targets;
    for (const auto& [id, relationship] : relationships)
        if (relationship.external) targets.emplace(id, relationship.target);
    return targets;
}

std::string partOfType(const Relationships& relationships, std::string_view typeSuffix) {
    for (const auto& [id, relationship] : relationships)
        if (!relationship.external && relationship.type.ends_with(typeSuffix)) return relationship.target;
    return std::string();
}

std::string officeDocumentPart(const ZipArchive& zip) {
    std::string main;
    forEachRelationship(zip, "", [&](std::string_view, Relationship&& relationship) {
        if (!main.empty() || relationship.external || !relationship.type.ends_with("/officeDocument")) return;
        if (!relationship.target.empty() && zip.contains(relationship.target)) main = std::move(relationship.target);
    });
    return main;
}

}  // namespace harvelux::wordproc
