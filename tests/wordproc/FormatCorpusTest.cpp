// Every RTF and OpenDocument file of the shared corpus of real documents is
// read, or refused with EngineError; nothing else may happen.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include "SharedFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace harvelux::wordproc {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpusFiles(const std::vector<std::string>& extensions) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(testfiles::corpusDir(), error), end; !error && it != end;
         it.increment(error)) {
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (it->is_regular_file() && std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FormatCorpus, EveryRtfAndOpenDocumentFileIsReadOrRefused) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    const std::vector<fs::path> files = corpusFiles({".rtf", ".odt", ".ott", ".fodt"});
    ASSERT_FALSE(files.empty());
    std::size_t read = 0;
    std::vector<std::string> refused;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        try {
            readDocumentText(readDocumentFile(file.string()));
            ++read;
        } catch (const EngineError& e) {
            refused.push_back(file.filename().string() + ": " + e.what());
        }
    }
    // The only file that cannot be read is the one whose content is
    // encrypted with a password.
    EXPECT_EQ(refused, std::vector<std::string>{"testODTEncrypted.odt: the document is encrypted"});
    EXPECT_EQ(read + refused.size(), files.size());
}

TEST(FormatCorpus, RtfAndOpenDocumentFilesAreRecognisedByContent) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    const std::vector<fs::path> files = corpusFiles({".rtf", ".odt"});
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        const std::string bytes = readDocumentFile(file.string());
        const Format format = detectFormat(bytes);
        if (bytes.substr(0, 5) == "{\\rtf") {
            EXPECT_EQ(format, Format::Rtf) << file;
        } else if (bytes.substr(0, 2) == "PK") {
            EXPECT_EQ(format, Format::OpenDocument) << file;
        }
    }
}

}  // namespace
}  // namespace harvelux::wordproc
