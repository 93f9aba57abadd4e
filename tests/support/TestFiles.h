// Temporary folders and document files for tests.
#pragma once

#include <string>
#include <vector>

namespace harvelux::testfiles {

// A fresh folder under /tmp, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);

// Below `folder`, a tree that a scan walks as folder/start/L/L/... (L a link
// with a 250-character name) until the path passes PATH_MAX, with a document
// holding `text` there. The real folders sit side by side in a hidden folder,
// so the tree is removed like any other. Returns the first path too long.
std::string makeTooLongPath(const std::string& folder, const std::string& text);
std::string readFile(const std::string& path);

// One entry of a ZIP archive: deflated at the highest level, or stored.
struct ZipEntry {
    std::string name;
    std::string data;
    bool compressed = true;
};

// A ZIP archive with the given entries, in order.
std::string makeZip(const std::vector<ZipEntry>& entries);

// A minimal WordprocessingML package whose w:body holds `bodyXml` (the
// prefix "w" is bound to the transitional namespace); `rootAttributes` go
// on w:document.
std::string makeDocx(const std::string& bodyXml, const std::string& rootAttributes = "");

// The same package with a body of one paragraph per line of `text`.
std::string makeDocxWithParagraphs(const std::vector<std::string>& paragraphs);

// A minimal PDF: one page per text, Helvetica, no cross-reference table
// (readers rebuild it).
std::string makePdf(const std::vector<std::string>& pages);

}  // namespace harvelux::testfiles
