// The sample documents copied beside the program: "Load Samples Files" lists
// them all, and a run finds in each document it can read the addresses that
// Samples/README gives for it.
#include "FormFixture.h"
#include "SamplesReadme.h"
#include "shell/CommandIds.h"

#include <gmock/gmock.h>

#include <QCheckBox>

#include <filesystem>

namespace harvelux::shell::testing {
namespace {

using Expected = SampleAddresses;

class Samples : public FormFixture {
protected:
    void SetUp() override {
        clearSettings();
        form = std::make_unique<Form1>(
            Form1Services{platform, results, HARVELUX_PROGRAM_DIR, engine, [] { return false; }, [] {}, readAheadJobs});
        form->Form_Load();
    }
};

TEST_F(Samples, EveryDocumentOfTheReadmeIsBesideTheProgram) {
    const Expected expected = readmeAddresses();
    ASSERT_GE(expected.size(), 6u);
    pick(command::kLoadSamples);
    std::vector<std::string> names;
    for (const auto& path : items()) names.push_back(std::filesystem::path(path).filename().string());
    std::vector<std::string> documents;
    for (const auto& [name, addresses] : expected) documents.push_back(name);
    EXPECT_THAT(names, ::testing::UnorderedElementsAreArray(documents));
    for (const char* extension : {".doc", ".docx", ".rtf", ".odt"})
        EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const std::string& n) {
            return n.ends_with(extension);
        })) << extension;
}

TEST_F(Samples, RunFindsTheReadmesAddressesInEveryReadableDocument) {
    const Expected expected = readmeAddresses();
    pick(command::kLoadSamples);
    form->Check1().setChecked(true);
    pick(command::kStartExtracting);

    Expected found;
    for (const auto& row : results.rows())
        found[std::filesystem::path(row.at(0)).filename().string()].push_back(row.at(1));
    int checked = 0;
    for (const auto& [name, addresses] : expected) {
        if (!readByItsOwnReader(HARVELUX_PROGRAM_DIR "/Samples/" + name)) continue;
        ++checked;
        EXPECT_EQ(found[name], addresses) << name;
    }
    EXPECT_GE(checked, 2);
}

}  // namespace
}  // namespace harvelux::shell::testing
