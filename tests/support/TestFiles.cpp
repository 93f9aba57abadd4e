#include "TestFiles.h"

#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace harvelux::testfiles {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "harvelux-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string makeTooLongPath(const std::string& folder, const std::string& text) {
    const std::string link(250, 'L');
    std::string walked = folder + "/start";
    std::filesystem::create_directories(folder + "/.levels/0");
    std::filesystem::create_directory_symlink(".levels/0", walked);
    for (int level = 1; walked.size() < 4096; ++level) {
        const std::string real = folder + "/.levels/" + std::to_string(level);
        std::filesystem::create_directory(real);
        std::filesystem::create_directory_symlink("../" + std::to_string(level),
                                                  folder + "/.levels/" + std::to_string(level - 1) + "/" + link);
        walked += "/" + link;
        if (walked.size() >= 4096) writeFile(real + "/lost.doc", text);
    }
    return walked;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string makeZip(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("zip_open_from_source failed");
    zip_source_keep(target);
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            throw std::runtime_error("zip_file_add failed");
        }
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 entry.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
    }
    if (zip_close(archive) < 0) throw std::runtime_error("zip_close failed");
    zip_source_open(target);
    zip_source_seek(target, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(target);
    zip_source_seek(target, 0, SEEK_SET);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    zip_source_read(target, bytes.data(), static_cast<zip_uint64_t>(size));
    zip_source_close(target);
    zip_source_free(target);
    zip_error_fini(&error);
    return bytes;
}

std::string makeDocx(const std::string& bodyXml, const std::string& rootAttributes) {
    const std::string contentTypes =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
        R"(</Types>)";
    const std::string rels =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
        R"(</Relationships>)";
    const std::string document =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")" +
        rootAttributes + "><w:body>" + bodyXml + "</w:body></w:document>";
    return makeZip({{"[Content_Types].xml", contentTypes}, {"_rels/.rels", rels}, {"word/document.xml", document}});
}

std::string makeDocxWithParagraphs(const std::vector<std::string>& paragraphs) {
    std::string body;
    for (const std::string& p : paragraphs) body += "<w:p><w:r><w:t xml:space=\"preserve\">" + p + "</w:t></w:r></w:p>";
    return makeDocx(body);
}

std::string makePdf(const std::vector<std::string>& pages) {
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) kids += std::to_string(10 + 2 * i) + " 0 R ";
    std::string pdf =
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
        "2 0 obj<</Type/Pages/Kids[" +
        kids + "]/Count " + std::to_string(pages.size()) +
        ">>endobj\n"
        "3 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>endobj\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string stream = "BT /F1 12 Tf 20 150 Td (" + pages[i] + ") Tj ET";
        pdf += std::to_string(10 + 2 * i) + " 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 300 200]" +
               "/Resources<</Font<</F1 3 0 R>>>>/Contents " + std::to_string(11 + 2 * i) + " 0 R>>endobj\n" +
               std::to_string(11 + 2 * i) + " 0 obj<</Length " + std::to_string(stream.size()) + ">>stream\n" + stream +
               "\nendstream endobj\n";
    }
    return pdf + "trailer<</Root 1 0 R>>\n%%EOF\n";
}

}  // namespace harvelux::testfiles
