// The archive reader's own inflating (libdeflate for ZIP members, igzip
// for a tar.gz) gives the members libarchive gives, and refuses what does
// not inflate to what the archive says.
#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/archive/ArchiveReader.h"
#include "wordproc/archive/GzipStream.h"
#include "wordproc/archive/ZipMembers.h"
#include "wordproc/container/ZipWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <libdeflate.h>

#include <memory>

namespace harvelux::wordproc {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

// Every regular file of the archive as libarchive alone inflates it.
Members libarchiveMembers(const std::string& data) {
    std::unique_ptr<archive, decltype(&archive_read_free)> handle(archive_read_new(), archive_read_free);
    archive_read_support_filter_all(handle.get());
    archive_read_support_format_all(handle.get());
    EXPECT_EQ(archive_read_open_memory(handle.get(), data.data(), data.size()), ARCHIVE_OK);
    Members members;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(handle.get(), &entry) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) != AE_IFREG) continue;
        std::string bytes(4096, '\0');
        std::string all;
        la_ssize_t got = 0;
        while ((got = archive_read_data(handle.get(), bytes.data(), bytes.size())) > 0)
            all.append(bytes.data(), static_cast<std::size_t>(got));
        members.emplace_back(archive_entry_pathname(entry), all);
    }
    return members;
}

std::string compressed(const std::string& text, bool gzip) {
    std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
        libdeflate_alloc_compressor(6), libdeflate_free_compressor);
    std::string out(text.size() + 1024, '\0');
    const std::size_t made =
        gzip ? libdeflate_gzip_compress(compressor.get(), text.data(), text.size(), out.data(), out.size())
             : libdeflate_deflate_compress(compressor.get(), text.data(), text.size(), out.data(), out.size());
    out.resize(made);
    return out;
}

TEST(ArchiveInflate, RealArchivesGiveWhatLibarchiveGives) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    for (const char* file : {"test-documents.zip", "test-zip-of-zip.zip", "TIKA-216.tgz"}) {
        SCOPED_TRACE(file);
        const std::string data = testfiles::readFile(testfiles::containersDir() + "/" + file);
        test::MemberCollector collector;
        listArchiveMembers(data, collector);
        EXPECT_TRUE(collector.failures.empty());
        EXPECT_EQ(collector.members, libarchiveMembers(data));
    }
}

TEST(ArchiveInflate, AMemberIsTakenOnlyWhenItInflatesToItsSizeAndCrc) {
    const std::string text = "alice@example.com wrote this line, and again: alice@example.com\n";
    const std::uint32_t crc = libdeflate_crc32(0, text.data(), text.size());
    const std::string deflated = compressed(text, false);
    struct Case {
        const char* what;
        std::string bytes;
        std::uint16_t method;
        std::uint64_t size;
        std::uint32_t crc;
        bool taken;
    };
    const Case cases[] = {
        {"deflated", deflated, 8, text.size(), crc, true},
        {"stored", text, 0, text.size(), crc, true},
        {"a wrong CRC", deflated, 8, text.size(), crc ^ 1u, false},
        {"a size too small", deflated, 8, text.size() - 1, crc, false},
        {"a size too large", deflated, 8, text.size() + 1, crc, false},
        {"stored, a size not its own", text, 0, text.size() + 1, crc, false},
        {"cut off", deflated.substr(0, deflated.size() / 2), 8, text.size(), crc, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        EXPECT_EQ(inflateZipMember(c.bytes, c.method, c.size, c.crc, out), c.taken);
        if (c.taken) {
            EXPECT_EQ(out, text);
        }
    }
}

TEST(ArchiveInflate, AZipOfOtherMethodsOrEncryptionIsLeftToLibarchive) {
    const std::string zip = writeStoredZip({{"a.txt", "bob@example.com"}});
    struct Case {
        const char* what;
        std::size_t offset;  // in the first local header and its directory entry
        char value;
    };
    for (const Case& c : {Case{"bzip2", 8, 12}, Case{"encrypted", 6, 1}}) {
        SCOPED_TRACE(c.what);
        std::string changed = zip;
        const std::size_t directory = changed.find("PK\x01\x02");
        changed[c.offset] = c.value;
        changed[directory + 2 + c.offset] = c.value;
        test::MemberCollector collector;
        EXPECT_FALSE(listZipMembers(changed, collector));
        EXPECT_TRUE(collector.members.empty() && collector.failures.empty());
    }
    test::MemberCollector collector;
    EXPECT_TRUE(listZipMembers(zip, collector));
    EXPECT_EQ(collector.members, (Members{{"a.txt", "bob@example.com"}}));
}

// A member is inflated by the thread that reads it: one that does not
// inflate to its CRC is reported there under its own name, and the members
// around it are read.
TEST(ArchiveInflate, AMemberThatFailsItsCrcIsDamagedAndTheOthersRead) {
    std::string zip =
        writeStoredZip({{"a.txt", "ann@example.com"}, {"b.txt", "bob@example.com"}, {"c.txt", "cyd@example.com"}});
    zip[zip.find("bob@")] = 'x';
    const DocumentTree tree = readDocumentTree(zip, {});
    ASSERT_EQ(tree.inner.size(), 3u);
    EXPECT_TRUE(tree.inner[0].read && tree.inner[0].text.find("ann@example.com") != std::string::npos);
    EXPECT_EQ(tree.inner[1].name, "b.txt");
    EXPECT_FALSE(tree.inner[1].read);
    EXPECT_EQ(tree.inner[1].reason, UnreadableReason::Damaged);
    EXPECT_TRUE(tree.inner[2].read && tree.inner[2].text.find("cyd@example.com") != std::string::npos);
}

TEST(GzipStream, ReadsEveryMemberAndStopsAtDamage) {
    const std::string two = compressed("first ", true) + compressed("second", true);
    struct Case {
        const char* what;
        std::string data;
        std::string inflated;
        bool whole;
    };
    const Case cases[] = {
        {"two members", two, "first second", true},
        {"bytes after the last member", two + "trailing", "first second", true},
        {"cut off", two.substr(0, two.size() - 3), "first ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GzipStream stream(c.data);
        std::string all;
        std::string_view piece;
        bool ok = true;
        while ((ok = stream.next(piece)) && !piece.empty()) all.append(piece);
        EXPECT_EQ(ok, c.whole);
        EXPECT_EQ(all.substr(0, c.inflated.size()), c.inflated);
    }
}

}  // namespace
}  // namespace harvelux::wordproc
