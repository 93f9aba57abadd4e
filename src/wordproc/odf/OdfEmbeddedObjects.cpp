#include "wordproc/odf/OdfEmbeddedObjects.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/OleObject.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/container/ZipWriter.h"
#include "wordproc/odf/OdfManifest.h"

#include <algorithm>
#include <map>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxParts = 100000;
// The kinds of sub-document the engine reads; charts, formulas and drawings
// hold no text worth reading as a document of its own.
constexpr std::string_view kReadKinds[] = {
    "text",         "text-template",        "text-master", "spreadsheet", "spreadsheet-template",
    "presentation", "presentation-template"};
// The parts at the top of every package that are the package's own.
constexpr std::string_view kPackageParts[] = {"mimetype",     "content.xml",  "styles.xml",  "meta.xml",
                                              "settings.xml", "manifest.rdf", "layout-cache"};

// A part's bytes within the sink's room; a part beyond it stops the
// container (ExpandsTooFar), as an archive's member does.
class RoomedParts {
public:
    RoomedParts(const ZipArchive& zip, MemberSink& sink) : zip_(zip), sink_(sink) {}

    std::optional<std::string> read(const std::string& name, std::uint64_t used = 0) const {
        WorkBudget::charge();
        const std::uint64_t room = sink_.roomLeft();
        const std::uint64_t left = room > used ? room - used : 0;
        try {
            return zip_.read(name, left);
        } catch (const EngineError& error) {
            if (error.reason() == UnreadableReason::TooLarge && left < kMaxInflatedBytes) return std::nullopt;
            throw;
        }
    }

private:
    const ZipArchive& zip_;
    MemberSink& sink_;
};

// The parts below each top-level folder, and the top-level parts, in the
// order the package holds them.
struct PackageLayout {
    std::vector<std::string> order;  // folders ("Object 1") and top-level parts, first seen first
    std::map<std::string, std::vector<std::string>, std::less<>> folders;
};

PackageLayout layoutOf(const ZipArchive& zip) {
    PackageLayout layout;
    for (std::string& name : zip.names(kMaxParts)) {
        const std::size_t slash = name.find('/');
        if (slash == std::string::npos) {
            layout.order.push_back(std::move(name));
            continue;
        }
        auto [at, isNew] = layout.folders.try_emplace(name.substr(0, slash));
        if (isNew) layout.order.push_back(at->first + "/");
        if (!name.ends_with('/')) at->second.push_back(std::move(name));
    }
    return layout;
}

std::string escapedXml(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The manifest of a sub-document: the package's entries below `prefix`,
// with it taken off, the sub-document itself as "/".
std::string subManifest(const std::vector<ManifestEntry>& manifest, const std::string& prefix) {
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">)";
    for (const ManifestEntry& entry : manifest) {
        if (!entry.path.starts_with(prefix)) continue;
        const std::string path = entry.path == prefix ? "/" : entry.path.substr(prefix.size());
        xml += R"(<manifest:file-entry manifest:full-path=")" + escapedXml(path) + R"(" manifest:media-type=")" +
               escapedXml(entry.mediaType) + R"("/>)";
    }
    return xml + "</manifest:manifest>";
}

// A sub-document's parts as a package of its own, its media type in
// "mimetype" first; nothing when it would not fit the sink's room.
std::optional<std::string> subDocument(const RoomedParts& parts, const std::vector<std::string>& names,
                                       const std::string& prefix, std::string_view mediaType,
                                       const std::vector<ManifestEntry>& manifest) {
    std::vector<std::pair<std::string, std::string>> entries;
    entries.emplace_back("mimetype", std::string(mediaType));
    entries.emplace_back("META-INF/manifest.xml", subManifest(manifest, prefix));
    std::uint64_t used = 0;
    for (const std::string& name : names) {
        std::optional<std::string> bytes = parts.read(name, used);
        if (!bytes) return std::nullopt;
        used += bytes->size();
        entries.emplace_back(name.substr(prefix.size()), std::move(*bytes));
    }
    return writeStoredZip(entries);
}

bool isReadKind(std::string_view mediaType) {
    constexpr std::string_view kPrefix = "application/vnd.oasis.opendocument.";
    if (!mediaType.starts_with(kPrefix)) return false;
    return std::find(std::begin(kReadKinds), std::end(kReadKinds), mediaType.substr(kPrefix.size())) !=
           std::end(kReadKinds);
}

bool isPackagePart(std::string_view name) {
    return std::find(std::begin(kPackageParts), std::end(kPackageParts), name) != std::end(kPackageParts);
}

std::string_view mediaTypeOf(const std::vector<ManifestEntry>& manifest, std::string_view path) {
    for (const ManifestEntry& entry : manifest)
        if (entry.path == path) return entry.mediaType;
    return {};
}

}  // namespace

void listOpenDocumentObjects(const ZipArchive& zip, const ReadOptions& options, MemberSink& sink) {
    if (!options.allStories) return;
    const std::vector<ManifestEntry> manifest = readManifest(zip);
    const PackageLayout layout = layoutOf(zip);
    const RoomedParts parts(zip, sink);
    for (const std::string& part : layout.order) {
        std::string name = part.ends_with('/') ? part.substr(0, part.size() - 1) : part;
        try {
            if (part.ends_with('/')) {
                // A sub-document: the manifest gives its kind.
                const std::string_view type = mediaTypeOf(manifest, part);
                const auto& names = layout.folders.find(name)->second;
                if (!isReadKind(type) || std::find(names.begin(), names.end(), part + "content.xml") == names.end())
                    continue;
                std::optional<std::string> bytes = subDocument(parts, names, part, type, manifest);
                if (!bytes) {
                    sink.unreadable(std::move(name), UnreadableReason::ExpandsTooFar);
                    return;
                }
                if (!sink.add(std::move(name), std::move(*bytes))) return;
                continue;
            }
            if (isPackagePart(part)) continue;
            std::optional<std::string> bytes = parts.read(part);
            if (!bytes) {
                sink.unreadable(std::move(name), UnreadableReason::ExpandsTooFar);
                return;
            }
            // A binary object: an OLE object's storage, the document it holds.
            if (auto document = embeddedObjectDocument(std::move(*bytes), name))
                if (!sink.add(std::move(document->name), std::move(document->bytes))) return;
        } catch (const EngineError& error) {
            sink.unreadable(std::move(name), error.reason());
        }
    }
}

}  // namespace harvelux::wordproc
