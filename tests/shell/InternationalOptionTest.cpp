// "Find International Addresses" in the File menu: a checkable command, off
// at first, remembered as "International", left alone during a run, and
// read by the next run.
#include "FormFixture.h"
#include "shell/InternationalOption.h"

#include <gmock/gmock.h>

namespace harvelux::shell::testing {
namespace {

class InternationalOption : public FormFixture {
protected:
    QAction& option() { return *action(command::kMenuInternational); }
};

TEST_F(InternationalOption, IsOffAtFirstTicksOnClickAndIsRememberedAcrossARestart) {
    ASSERT_NE(action(command::kMenuInternational), nullptr);
    EXPECT_TRUE(option().isCheckable());
    EXPECT_FALSE(option().isChecked());
    // A checkable item shows its state as a check mark, not an icon.
    EXPECT_TRUE(option().icon().isNull());
    EXPECT_EQ(storedSetting("International"), "0");
    pick(command::kMenuInternational);
    EXPECT_TRUE(form->international());
    EXPECT_EQ(storedSetting("International"), "1");
    restart();
    EXPECT_TRUE(option().isChecked());
}

TEST_F(InternationalOption, ARunFindsInternationalAddressesOnlyWhenTickedAndClicksDuringItAreIgnored) {
    form->fileList().AppendItem(document("one.txt", "zo\xC3\xA9@example.fr x@example.com"));
    pick(command::kStartExtracting);
    EXPECT_THAT(foundAddresses(), ::testing::ElementsAre("x@example.com"));

    pick(command::kMenuInternational);
    platform.onPump = [&] { pick(command::kMenuInternational); };
    results.table = results::InMemoryListView::forOption(false);
    pick(command::kStartExtracting);
    platform.onPump = nullptr;
    EXPECT_TRUE(option().isChecked());
    EXPECT_THAT(foundAddresses(), ::testing::ElementsAre("zo\xC3\xA9@example.fr", "x@example.com"));
}

}  // namespace
}  // namespace harvelux::shell::testing
