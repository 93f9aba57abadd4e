// "Read Scanned Pages and Pictures" in the File menu: a checkable command,
// off at first, remembered as "OCR", and read by the next run.
#include "FormFixture.h"
#include "shell/OcrOption.h"

namespace harvelux::shell::testing {
namespace {

class OcrOption : public FormFixture {
protected:
    QAction* option() { return action(command::kMenuOcr); }
};

TEST_F(OcrOption, IsOffAtFirstTicksOnClickAndIsRememberedAcrossARestart) {
    ASSERT_NE(option(), nullptr);
    EXPECT_TRUE(option()->isCheckable());
    EXPECT_FALSE(option()->isChecked());
    EXPECT_EQ(storedSetting("OCR"), "0");
    pick(command::kMenuOcr);
    EXPECT_TRUE(form->ocr());
    EXPECT_EQ(storedSetting("OCR"), "1");
    restart();
    EXPECT_TRUE(option()->isChecked());
}

TEST_F(OcrOption, APictureIsListedAsScannedPagesNotReadWhileOff) {
    form->fileList().AppendItem(document("scan.pgm", "P5\n2 2\n255\n\xff\xff\xff\xff"));
    pick(command::kStartExtracting);
    ASSERT_EQ(results.summary.unread.size(), 1U);
    EXPECT_EQ(results.summary.unread[0].reason, wordproc::describeReason(wordproc::UnreadableReason::ScannedNotRead));
}

}  // namespace
}  // namespace harvelux::shell::testing
