// A document made to break the program: one huge word shaped like an
// address ("aaaa…@long.com", 16 MiB) before 20,000 short distinct
// addresses. The whole program (both windows, the real engine) reads it,
// lists every short address and saves them with "Save Results"; the huge
// word is no address, and nothing freezes or aborts on its way.
#include "ApplicationFixture.h"
#include "shell/CommandIds.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace harvelux::shell::testing {
namespace {

constexpr std::size_t kWordLetters = 16u << 20;
constexpr int kAddresses = 20000;

std::string shortAddress(int i) { return "u" + std::to_string(i) + "@example.com"; }

class HostileDocument : public ApplicationFixture {};

TEST_F(HostileDocument, HugeWordBesideManyAddressesIsReadListedAndSaved) {
    std::string text(kWordLetters, 'a');
    text += "@long.com\n";
    for (int i = 0; i < kAddresses; ++i) text += shortAddress(i) + "\n";
    const std::string document = docs.file("hostile.txt", text);
    text = {};
    start();

    platform.openFilesAnswers.push_back({document});
    pickMain(command::kAddFiles);
    ASSERT_EQ(main().fileList().count(), 1);
    pickMain(command::kStartExtracting);
    ASSERT_TRUE(resultsWindow().isVisible());
    ASSERT_EQ(resultsList().rowCount(), kAddresses);
    EXPECT_EQ(resultsList().cell(1, 1), shortAddress(0));
    EXPECT_EQ(resultsList().cell(kAddresses, 1), shortAddress(kAddresses - 1));

    const std::string saved = docs.path("saved.txt");
    platform.saveAnswers.push_back(saved);
    pickResults(results::kCommandSaveResults);
    ASSERT_FALSE(platform.messageTexts().empty());
    EXPECT_EQ(platform.messageTexts().back(), "Done.");

    // A header row, one row per address in the order found, a blank line.
    std::istringstream lines(testfiles::readFile(saved));
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.substr(0, line.find(' ')), "Email");
    int row = 0;
    while (std::getline(lines, line) && line != "\r") {
        ASSERT_LT(row, kAddresses) << "a row past the addresses: " << line.substr(0, 80);
        EXPECT_EQ(line.substr(0, line.find_first_of(" \t")), shortAddress(row));
        ++row;
    }
    EXPECT_EQ(row, kAddresses);
}

}  // namespace
}  // namespace harvelux::shell::testing
