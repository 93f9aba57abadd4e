// A document file that grows while it is read: another writer appends to it
// after each read the engine makes. What it held is read whole, growth
// included, while that stays under the cap; past the cap the read stops
// there and the file is refused as too large, never read on.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>

namespace harvelux::wordproc {
namespace {

constexpr std::size_t kKiB = 1024;
constexpr std::uint64_t kCap = 1024 * kKiB;

TEST(DocumentFile, AFileGrowingWhileReadIsReadUpToTheCapAndNoFurther) {
    const struct {
        const char* name;
        std::size_t initial;  // bytes before the read starts
        std::size_t perRead;  // appended after every read call
        std::size_t growth;   // appended in all, at most
        bool refused;
    } cases[] = {
        {"grows a little", 4 * kKiB, 16 * kKiB, 64 * kKiB, false},
        {"grows past the cap", 4 * kKiB, 64 * kKiB, 8 * kCap, true},
        {"over the cap before reading", 2 * kCap, 64 * kKiB, 8 * kCap, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testfiles::TempDir dir;
        const std::string path = dir.file("growing.txt");
        testfiles::writeFile(path, std::string(c.initial, 'x'));
        const int writer = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        ASSERT_GE(writer, 0);
        std::size_t appended = 0;
        std::size_t handedOut = 0;
        const ReadCall growing = [&](int fd, char* buffer, std::size_t size) {
            const long got = static_cast<long>(::read(fd, buffer, size));
            if (got > 0) handedOut += static_cast<std::size_t>(got);
            if (appended < c.growth) {
                const std::string more(c.perRead, 'y');
                appended += static_cast<std::size_t>(::write(writer, more.data(), more.size()));
            }
            return got;
        };
        try {
            const DocumentBytes bytes = readDocumentBytes(path, kCap, growing);
            EXPECT_FALSE(c.refused) << "read " << bytes.view().size() << " bytes";
            EXPECT_TRUE(bytes.view() == testfiles::readFile(path)) << "not the file's final content";
        } catch (const EngineError& error) {
            EXPECT_TRUE(c.refused) << error.what();
            EXPECT_EQ(error.reason(), UnreadableReason::TooLarge);
        }
        EXPECT_LE(handedOut, kCap + 1);
        ::close(writer);
    }
}

}  // namespace
}  // namespace harvelux::wordproc
