// "Read Scanned Pages and Pictures" in the File menu: a checkable command,
// off at first, remembered as "OCR", and read by the next run.
#include "FormFixture.h"
#include "shell/OcrOption.h"

#include <QSettings>

namespace harvelux::shell::testing {
namespace {

QString storedOcr() {
    return QSettings(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux")).value("OCR").toString();
}

class OcrOption : public FormFixture {
protected:
    QAction* option() { return action(command::kMenuOcr); }
    void restart() {
        form.reset();
        form = std::make_unique<Form1>(
            Form1Services{platform, results, program.root(), engine, [] { return false; }, [] {}, readAheadJobs});
        form->Form_Load();
    }
};

TEST_F(OcrOption, IsOffAtFirstTicksOnClickAndIsRememberedAcrossARestart) {
    ASSERT_NE(option(), nullptr);
    EXPECT_TRUE(option()->isCheckable());
    EXPECT_FALSE(option()->isChecked());
    EXPECT_EQ(storedOcr(), "0");
    pick(command::kMenuOcr);
    EXPECT_TRUE(form->ocr());
    EXPECT_EQ(storedOcr(), "1");
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
