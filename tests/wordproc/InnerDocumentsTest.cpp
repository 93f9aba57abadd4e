// Containers read as the documents they hold: the shared archives and
// e-mails with the names and texts of their members, and generated hostile
// archives that each end at a cap with a reason.
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/InnerDocuments.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace harvelux::wordproc;

namespace {

std::string containersDir() { return harvelux::testfiles::corpusDir() + "/../containers"; }

const InnerDocument* find(const DocumentTree& tree, const std::string& name) {
    for (const InnerDocument& inner : tree.inner)
        if (inner.name == name) return &inner;
    return nullptr;
}

// An archive written in memory: `files` (name, bytes) in order, with the
// filter given (ARCHIVE_FILTER_NONE, ARCHIVE_FILTER_GZIP) and format.
std::string writeArchive(const std::vector<std::pair<std::string, std::string>>& files, int format, int filter) {
    std::vector<char> buffer(std::size_t{64} << 20);
    std::size_t used = 0;
    archive* out = archive_write_new();
    archive_write_set_format(out, format);
    archive_write_add_filter(out, filter);
    archive_write_open_memory(out, buffer.data(), buffer.size(), &used);
    for (const auto& [name, bytes] : files) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
        archive_write_header(out, entry);
        if (!bytes.empty()) archive_write_data(out, bytes.data(), bytes.size());
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
    return std::string(buffer.data(), used);
}

std::string zipOf(const std::string& name, const std::string& bytes) {
    return writeArchive({{name, bytes}}, ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE);
}

}  // namespace

TEST(InnerDocuments, SharedContainersNameEachMemberAndReadItsText) {
    HARVELUX_REQUIRE_SHARED_FOLDER(containersDir());
    struct Case {
        const char* file;
        const char* member;  // an inner document that is read
        const char* text;    // found in its text ("" for the outer text)
    };
    const Case cases[] = {
        {"test-documents.zip", "testWORD.doc", "Sample Word Document"},
        {"test-documents.7z", "test-documents/testWORD.doc", "Sample Word Document"},
        {"test-zip-of-zip.zip", "html-within-zip.zip::text.html", ""},
        {"TIKA-216.tgz", "blah.tgz::blah1.txt", ""},
        {"complex.mbox", "message 2", "Jianmin Woo <jianmin_woo@yahoo.com>"},
        {"testRFC822_multipart_attachments.eml", "", "Bugs Bunny <Bugs.Bunny@acme.com>"},
    };
    for (const Case& c : cases) {
        const std::string bytes = harvelux::testfiles::readFile(containersDir() + "/" + c.file);
        const DocumentTree tree = readDocumentTree(bytes, {});
        if (*c.member == '\0') {
            EXPECT_NE(tree.text.find(c.text), std::string::npos) << c.file;
            EXPECT_FALSE(tree.inner.empty()) << c.file << ": its attachments";
            continue;
        }
        std::string names;
        for (const InnerDocument& inner : tree.inner) names += inner.name + (inner.read ? "" : " (not read)") + "\n";
        const InnerDocument* inner = find(tree, c.member);
        ASSERT_TRUE(inner) << c.file << " holds:\n" << names;
        EXPECT_TRUE(inner->read) << c.file << "::" << c.member << ": " << inner->error;
        EXPECT_NE(inner->text.find(c.text), std::string::npos) << c.file << "::" << c.member;
    }
}

TEST(InnerDocuments, HostileContainersEndAtACapWithAReason) {
    // A ZIP inside a ZIP inside ... six deep.
    std::string nested = "deepest@example.com\n";
    for (int level = 0; level < 6; ++level) nested = zipOf("level" + std::to_string(level) + ".zip", nested);
    // 80 MB of zeros in a gzip file of some tens of kilobytes.
    const std::string zeros(std::size_t{80} << 20, '\0');
    const std::string bomb =
        writeArchive({{"zeros.txt", zeros}}, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP);
    // More empty files than are read of one container.
    std::vector<std::pair<std::string, std::string>> empties(kMaxMembers + 1);
    for (std::size_t i = 0; i < empties.size(); ++i) empties[i].first = std::to_string(i);
    const std::string many = writeArchive(empties, ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_GZIP);

    struct Case {
        const char* what;
        const std::string& bytes;
        UnreadableReason reason;
    };
    const Case cases[] = {
        {"nested six deep", nested, UnreadableReason::NestedTooDeep},
        {"gzip bomb", bomb, UnreadableReason::ExpandsTooFar},
        {"too many members", many, UnreadableReason::TooManyMembers},
    };
    for (const Case& c : cases) {
        const DocumentTree tree = readDocumentTree(c.bytes, {});
        bool reported = false;
        for (const InnerDocument& inner : tree.inner) reported = reported || (!inner.read && inner.reason == c.reason);
        EXPECT_TRUE(reported) << c.what << ": " << describeReason(c.reason);
    }
}
