#include "common/AtomicFile.h"

#include "TestFiles.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <string>
#include <utility>

namespace {

using namespace harvelux;

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile) {
    testfiles::TempDir dir;
    const std::string target = dir.file("out.txt");
    std::string error;
    ASSERT_TRUE(writeFileWholeOrNothing(target, "first", error));
    ASSERT_TRUE(writeFileWholeOrNothing(target, "second", error));
    EXPECT_EQ(testfiles::readFile(target), "second");
    // A target whose folder is really a file cannot be written; nothing changes.
    testfiles::writeFile(dir.file("plain"), "keep");
    EXPECT_FALSE(writeFileWholeOrNothing(dir.file("plain/out.txt"), "x", error));
    EXPECT_NE(error.find("plain/out.txt"), std::string::npos);
    EXPECT_EQ(testfiles::readFile(dir.file("plain")), "keep");
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeFileWholeOrNothing(dir.file("folder"), "x", error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
}

std::filesystem::file_type typeOf(const std::string& path) { return std::filesystem::symlink_status(path).type(); }

TEST(AtomicFile, WritesWhereLinksLeadKeepingModeAndOwner) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("real.txt"), "old");
    ::chmod(dir.file("real.txt").c_str(), 0640);
    const uid_t owner = ::geteuid() == 0 ? harvelux::testing::kNobody : ::geteuid();  // root may give files away
    ASSERT_EQ(::chown(dir.file("real.txt").c_str(), owner, static_cast<gid_t>(-1)), 0);
    std::filesystem::create_symlink("real.txt", dir.file("link1"));
    std::filesystem::create_symlink(dir.file("link1"), dir.file("link2"));
    std::filesystem::create_symlink("made.txt", dir.file("dangling"));
    std::string error;
    EXPECT_TRUE(writeFileWholeOrNothing(dir.file("link2"), "new", error) &&
                writeFileWholeOrNothing(dir.file("dangling"), "made", error))
        << error;
    for (const char* link : {"link1", "link2", "dangling"})
        EXPECT_EQ(typeOf(dir.file(link)), std::filesystem::file_type::symlink);
    EXPECT_EQ(testfiles::readFile(dir.file("real.txt")) + testfiles::readFile(dir.file("made.txt")), "newmade");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("real.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, owner);
}

TEST(AtomicFile, RefusesWhatItCannotReplaceWholeAndLeavesItAsItWas) {
    testfiles::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link-to-fifo"));
    testfiles::writeFile(dir.file("linked"), "shared");
    std::filesystem::create_hard_link(dir.file("linked"), dir.file("other-name"));
    testfiles::writeFile(dir.file("read-only"), "keep");
    ::chmod(dir.file("read-only").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);  // the folder is not what stops the write
    const std::pair<const char*, const char*> refused[] = {{"fifo", "fifo is not a regular file"},
                                                           {"link-to-fifo", "link-to-fifo is not a regular file"},
                                                           {"linked", "other hard links"},
                                                           {"read-only", "Permission denied"}};
    // Permissions bind root only as another user.
    EXPECT_EQ(
        harvelux::testing::runUnprivileged([&] {
            for (const auto& [name, message] : refused) {
                std::string error;
                if (writeFileWholeOrNothing(dir.file(name), "x", error) || error.find(message) == std::string::npos)
                    return 1;
            }
            return 0;
        }),
        0);
    EXPECT_EQ(typeOf(dir.file("fifo")), std::filesystem::file_type::fifo);
    EXPECT_EQ(typeOf(dir.file("link-to-fifo")), std::filesystem::file_type::symlink);
    EXPECT_EQ(std::filesystem::hard_link_count(dir.file("linked")), 2u);
    EXPECT_EQ(testfiles::readFile(dir.file("other-name")) + testfiles::readFile(dir.file("read-only")), "sharedkeep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);  // no temporary left
}

}  // namespace
