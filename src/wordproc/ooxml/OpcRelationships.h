// The relationships of an Open Packaging Conventions package: what each of
// its parts points to, as its relationship part (_rels/<part>.rels, and
// _rels/.rels for the package itself) lists it: other parts of the package
// (the main document, notes, headers) and external targets (hyperlinks).
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

struct Relationship {
    std::string type;
    std::string target;  // a part name, or the URI of an external target
    bool external = false;
};
using Relationships = std::map<std::string, Relationship, std::less<>>;  // by id

// The targets of external relationships by id.
using ExternalTargets = std::map<std::string, std::string, std::less<>>;

// Resolves a relationship target against the folder `base` ("" for the
// package root; "word/../x.xml" gives "x.xml").
std::string resolvePartName(std::string_view base, std::string_view target);

// The relationships of a part; none when its relationship part is missing
// or damaged.
Relationships readRelationships(const ZipArchive& zip, const std::string& partName);

// The external targets of `relationships` by id (where hyperlinks point).
ExternalTargets externalTargets(const Relationships& relationships);

// The part a relationship whose type ends in `typeSuffix` ("/footnotes")
// names, or "".
std::string partOfType(const Relationships& relationships, std::string_view typeSuffix);

// The package's main part: the first part that the package's own
// relationships name as its office document and that the package holds;
// "" when there is none or the package relationships are damaged.
std::string officeDocumentPart(const ZipArchive& zip);

}  // namespace harvelux::wordproc
