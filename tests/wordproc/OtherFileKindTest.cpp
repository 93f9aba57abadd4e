#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/OtherFileKind.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

using namespace std::string_literals;

// The reason and words a file that no format takes is refused with.
std::pair<UnreadableReason, std::string> refusal(const std::string& bytes) {
    try {
        (void)readDocumentText(bytes);
    } catch (const EngineError& error) {
        return {error.reason(), error.what()};
    }
    return {UnreadableReason::Damaged, "read"};
}

TEST(OtherFileKind, FilesThatHoldNoDocumentAreSkippedByKind) {
    const std::string pictures = testfiles::formatsDir() + "/../ocr";
    HARVELUX_REQUIRE_SHARED_FOLDER(pictures);
    const std::pair<std::string, const char*> files[] = {
        {testfiles::readFile(pictures + "/bigfile-01_p2_clean300.png"), "picture"},
        {testfiles::readFile(pictures + "/writer_p11_jpeg200.jpg"), "picture"},
        {testfiles::readFile(pictures + "/017097_p14-15_scantiff.tif"), "picture"},
        {testfiles::readFile("/bin/true"), "program"},
        {"ID3\x04\0\0\0\0\0\0"s + std::string(100, '\0'), "sound"},
        {"\xff\xfb\x90\x64"s + std::string(100, '\0'), "sound"},
        {"\0\0\0\x20"
         "ftypisom"s +
             std::string(100, '\0'),
         "video"},
        {"\0\1\0\0\0\x0c\0\x80"s + std::string(100, '\0'), "font"},
        {"\x1f\x8b\x08\0"s + std::string(100, '\0'), "archive"},
        {testfiles::makeZip({{"photos/a.txt", "nothing of ours"}}), "archive"},
    };
    for (const auto& [bytes, kind] : files) {
        EXPECT_EQ(otherFileKind(bytes), kind);
        // An archive is a container now: its members are read.
        if (std::string(kind) == "archive") continue;
        // A picture is a format of the table, read by OCR when that is on:
        // it is refused as scanned pages not read, never skipped.
        const bool picture = std::string(kind) == "picture";
        const UnreadableReason reason = picture ? UnreadableReason::ScannedNotRead : UnreadableReason::OtherFile;
        EXPECT_EQ(refusal(bytes), std::make_pair(reason, picture ? std::string(describeReason(reason)) : kind));
    }
}

// What a format takes is read, whatever its first bytes resemble; what
// resembles nothing stays a real failure.
TEST(OtherFileKind, OnlyAskedWhenNoFormatTakesTheFile) {
    EXPECT_EQ(otherFileKind("MZ is a plain note: mz@example.com\n"), "program");
    EXPECT_EQ(readDocumentText("MZ is a plain note: mz@example.com\n"), "MZ is a plain note: mz@example.com\r");
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) % 251);
    EXPECT_EQ(refusal(noise).first, UnreadableReason::UnknownFormat);
    EXPECT_EQ(refusal(testfiles::makeDocx("<w:p>").substr(0, 200)).first, UnreadableReason::Damaged);
}

}  // namespace
}  // namespace harvelux::wordproc
