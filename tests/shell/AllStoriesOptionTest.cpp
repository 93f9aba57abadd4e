// "Search Whole Documents" in the File menu: a checkable command, off at
// first, remembered as "AllStories", left alone during a run, and read by
// the next run.
#include "FormFixture.h"
#include "shell/AllStoriesOption.h"

#include <gmock/gmock.h>

#include <QSettings>

namespace harvelux::shell::testing {
namespace {

using ::testing::Contains;
using ::testing::Not;

void storeAllStoriesText(const QString& value) {
    QSettings store(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux"));
    store.setValue("AllStories", value);
    store.sync();
}

class AllStoriesOption : public FormFixture {
protected:
    QAction& option() { return *action(command::kMenuAllStories); }
};

TEST_F(AllStoriesOption, IsOffAtFirstTicksOnClickAndIsRememberedAcrossARestart) {
    ASSERT_NE(action(command::kMenuAllStories), nullptr);
    EXPECT_TRUE(option().isCheckable());
    EXPECT_FALSE(option().isChecked());
    // A check mark shows its state: it has no icon that a style would frame instead.
    EXPECT_TRUE(option().icon().isNull());
    EXPECT_EQ(storedSetting("AllStories"), "0");

    pick(command::kMenuAllStories);
    EXPECT_TRUE(option().isChecked());
    EXPECT_TRUE(form->allStories());
    EXPECT_EQ(storedSetting("AllStories"), "1");

    restart();
    EXPECT_TRUE(option().isChecked());
    pick(command::kMenuAllStories);
    restart();
    EXPECT_FALSE(option().isChecked());
}

TEST_F(AllStoriesOption, AnyOtherStoredValueCountsAsOffAndIsRewritten) {
    for (const char* stored : {"2", " 1", "yes", ""}) {
        storeAllStoriesText(QString::fromLatin1(stored));
        restart();
        EXPECT_FALSE(option().isChecked()) << stored;
        EXPECT_EQ(storedSetting("AllStories"), "0") << stored;
    }
}

TEST_F(AllStoriesOption, ClicksDuringARunAreIgnored) {
    form->fileList().AppendItem(document("one.txt", "a@example.com"));
    platform.onPump = [&] { pick(command::kMenuAllStories); };
    pick(command::kStartExtracting);
    EXPECT_FALSE(option().isChecked());
    EXPECT_EQ(storedSetting("AllStories"), "0");
    platform.onPump = nullptr;
    pick(command::kMenuAllStories);
    EXPECT_TRUE(option().isChecked());
}

TEST_F(AllStoriesOption, ARunFindsTheSampleLettersHeaderAndTextBoxOnlyWhenTicked) {
    const std::string letter = HARVELUX_PROGRAM_DIR "/Samples/Whole Document Letter.docx";
    form->fileList().AppendItem(letter);
    pick(command::kStartExtracting);
    EXPECT_THAT(foundAddresses(), Not(Contains("letterhead@example.com")));

    pick(command::kMenuAllStories);
    results.table = results::InMemoryListView::forOption(false);
    pick(command::kStartExtracting);
    const std::vector<std::string> found = foundAddresses();
    EXPECT_THAT(found, ::testing::ElementsAre("studio.desk@example.org", "framer@example.net",
                                              "priya.raman@example.com", "letterhead@example.com",
                                              "footer-accounts@example.net", "anna.berg@example.org"));
}

}  // namespace
}  // namespace harvelux::shell::testing
