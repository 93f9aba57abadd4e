#include "CompoundFileBuilder.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFile.h"

#include <gtest/gtest.h>

namespace harvelux::wordproc {
namespace {

using test::buildCompoundFile;
using test::CompoundImage;

std::string pattern(std::size_t size, unsigned seed) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 31 + seed) % 251);
    return s;
}

// Entry ids follow creation order: Root 0, Small 1, Large 2, Storage 3, Inner 4.
CompoundImage sample(unsigned shift = 9, std::size_t fatSectors = 1) {
    return buildCompoundFile(
        {{"Small", pattern(100, 1)}, {"Large", pattern(10000, 2)}, {"Storage/Inner", pattern(5000, 3)}}, shift,
        fatSectors);
}

std::size_t entryOffset(const CompoundImage& image, std::uint32_t id) {
    return image.offsetOf(image.directory) + 128 * id;
}

class CompoundFileSectorSize : public ::testing::TestWithParam<unsigned> {};

TEST_P(CompoundFileSectorSize, ReadsMiniAndRegularStreamsAndKeepsStoragesApart) {
    const CompoundImage image = sample(GetParam());
    const CompoundFile file(image.bytes);
    EXPECT_EQ(file.sectorSize(), 1u << GetParam());
    EXPECT_EQ(file.readRootStream(u"small"), pattern(100, 1));  // names compare without case
    EXPECT_EQ(file.readRootStream(u"LARGE"), pattern(10000, 2));
    EXPECT_FALSE(file.find(u"Inner"));  // not at the root
    const auto storage = file.find(u"Storage");
    ASSERT_TRUE(storage);
    const auto inner = file.find(u"Inner", *storage);
    ASSERT_TRUE(inner);
    EXPECT_EQ(file.readStream(*inner), pattern(5000, 3));
    EXPECT_EQ(file.children(CompoundFile::kRoot).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Sectors, CompoundFileSectorSize, ::testing::Values(9u, 12u));

TEST(CompoundFile, FollowsTheDifatChainBeyondTheHeader) {
    const CompoundImage image = sample(9, 300);
    ASSERT_EQ(image.difatSectors.size(), 2u);
    EXPECT_EQ(CompoundFile(image.bytes).readRootStream(u"Large"), pattern(10000, 2));
}

TEST(CompoundFile, LoopingChainsAreDamage) {
    CompoundImage fatLoop = sample();
    fatLoop.putLe32(fatLoop.fatEntryOffset(fatLoop.start["Large"]), fatLoop.start["Large"]);
    EXPECT_THROW(CompoundFile(fatLoop.bytes).readRootStream(u"Large"), EngineError);

    CompoundImage directoryLoop = sample();
    directoryLoop.putLe32(directoryLoop.fatEntryOffset(directoryLoop.directory), directoryLoop.directory);
    EXPECT_THROW(CompoundFile{directoryLoop.bytes}, EngineError);

    CompoundImage difatLoop = sample(9, 300);
    difatLoop.putLe32(difatLoop.offsetOf(difatLoop.difatSectors[0]) + 508, difatLoop.difatSectors[0]);
    EXPECT_THROW(CompoundFile{difatLoop.bytes}, EngineError);

    // A broken mini stream spoils the small streams only.
    CompoundImage miniLoop = sample();
    miniLoop.putLe32(miniLoop.offsetOf(miniLoop.miniFat) + 4 * miniLoop.start["Small"], miniLoop.start["Small"]);
    const CompoundFile file(miniLoop.bytes);
    EXPECT_THROW(file.readRootStream(u"Small"), EngineError);
    EXPECT_EQ(file.readRootStream(u"Large"), pattern(10000, 2));
}

TEST(CompoundFile, DirectoryTreeLoopsEndTheWalk) {
    CompoundImage image = sample();
    for (std::uint32_t id = 1; id <= 3; ++id) {
        image.putLe32(entryOffset(image, id) + 0x44, 0);   // left: the root
        image.putLe32(entryOffset(image, id) + 0x48, id);  // right: itself
    }
    const CompoundFile file(image.bytes);
    EXPECT_LE(file.children(CompoundFile::kRoot).size(), 3u);
}

TEST(CompoundFile, ImpossibleSizesAndCountsAreDamage) {
    CompoundImage hugeStream = sample();
    hugeStream.putLe32(entryOffset(hugeStream, 2) + 0x78, 0x7FFFFFFF);
    EXPECT_THROW(CompoundFile(hugeStream.bytes).readRootStream(u"Large"), EngineError);

    CompoundImage hugeFat = sample();
    hugeFat.putLe32(0x2C, 0xFFFFFFFF);
    EXPECT_THROW(CompoundFile{hugeFat.bytes}, EngineError);

    CompoundImage badShift = sample();
    badShift.bytes[0x1E] = 30;
    EXPECT_THROW(CompoundFile{badShift.bytes}, EngineError);
}

// Reads every stream of the file, storages included.
void readAll(const CompoundFile& file, std::uint32_t storage = CompoundFile::kRoot) {
    for (const std::uint32_t id : file.children(storage)) {
        if (file.entry(id).type == CompoundFile::EntryType::Stream)
            (void)file.readStream(id);
        else
            readAll(file, id);
    }
}

TEST(CompoundFile, ATruncatedFileThrowsUnlessOnlyPaddingIsLost) {
    const std::string whole = sample().bytes;
    const std::size_t padding = 512 - 5000 % 512;  // the last stream's unused tail
    std::vector<std::size_t> sizes = {whole.size() - padding - 1, whole.size() - padding};
    for (std::size_t size = 0; size < whole.size(); size += 61) sizes.push_back(size);
    for (const std::size_t size : sizes) {
        bool read = true;
        try {
            readAll(CompoundFile(whole.substr(0, size)));
        } catch (const EngineError&) {
            read = false;
        }
        EXPECT_EQ(read, size >= whole.size() - padding) << size;
    }
}

}  // namespace
}  // namespace harvelux::wordproc
