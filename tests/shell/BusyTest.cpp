// While a run or a folder scan lets window messages through, the commands
// that would disturb it are ignored; help still works and ending the program
// abandons the work.
#include "FormFixture.h"
#include "shell/CommandIds.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace harvelux::shell::testing {
namespace {

using Row = std::vector<std::string>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kDisturbingCommands[] = {
    command::kAddFiles,        command::kAddFolder,       command::kClearList,     command::kLoadSamples,
    command::kStartExtracting, command::kMenuAddFiles,    command::kMenuAddFolder, command::kMenuClearSelected,
    command::kMenuClearAll,    command::kMenuLoadSamples,
};

class Busy : public FormFixture {
protected:
    // Gives every disturbing command (and a Delete key, a double-click and a
    // drop) a go, as a user clicking about during long work would.
    void disturb() {
        platform.openFilesAnswers.push_back({"/intruder.doc"});
        platform.folderAnswers.push_back(docs.root());
        for (const int id : kDisturbingCommands) pick(id);
        filelist::FileListView& view = form->ListView1();
        if (form->fileList().count() > 0) view.setCurrentIndex(view.itemIndex(1));
        QTest::keyClick(&view, Qt::Key_Delete);
        form->ListView1_OLEDragDrop({"/dropped.doc"});
    }

    void disturbOnFirstPump() {
        platform.onPump = [this] {
            if (disturbed) return;
            disturbed = true;
            disturb();
        };
    }

    bool disturbed = false;
};

TEST_F(Busy, DuringARunTheListAndTheRunAreLeftAlone) {
    form->show();
    const auto one = document("one.txt", "a@example.com");
    const auto two = document("two.txt", "b@example.com");
    program.file("Samples/s.doc");
    form->fileList().AppendItems({one, two});
    form->fileList().AppendItem(one);
    form->ListView1().selectionModel()->select(form->ListView1().itemIndex(1), QItemSelectionModel::Select);
    disturbOnFirstPump();
    pick(command::kStartExtracting);

    EXPECT_TRUE(disturbed);
    EXPECT_THAT(results.rows(), ElementsAre(Row{"a@example.com"}, Row{"b@example.com"}));
    EXPECT_EQ(results.shown, 1);
    EXPECT_THAT(items(), ElementsAre(one, two, one));
    EXPECT_THAT(platform.dialogTitles, IsEmpty());
    // "Start Extracting" reads "Stop Extracting" during the run: it asks
    // (and the scripted No lets the run go on).
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kStopQuestion);
    EXPECT_EQ(engine.created, 3);
}

TEST_F(Busy, DuringAScanNothingElseIsAddedOrCleared) {
    docs.file("a/x.doc");
    docs.file("b/y.doc");
    form->fileList().AppendItem("/before.doc");
    platform.folderAnswers.push_back(docs.root());
    disturbOnFirstPump();
    pick(command::kAddFolder);

    EXPECT_TRUE(disturbed);
    ASSERT_EQ(items().size(), 3u);
    EXPECT_EQ(items()[0], "/before.doc");
    EXPECT_THAT(platform.dialogTitles, ElementsAre("Please select folder:"));
    EXPECT_THAT(platform.messages, IsEmpty());
    EXPECT_EQ(results.shown, 0);
    // Afterwards everything works again.
    pick(command::kClearList);
    EXPECT_THAT(items(), IsEmpty());
}

TEST_F(Busy, HelpWorksDuringARun) {
    form->fileList().AppendItem(document("one.txt", "a@example.com"));
    platform.onPump = [&] {
        if (platform.shellTargets.empty()) pick(command::kMenuFaq);
    };
    pick(command::kStartExtracting);
    EXPECT_THAT(platform.shellTargets, ElementsAre("https://www.quenbrook.com/question/"));
    EXPECT_EQ(results.shown, 1);
}

TEST_F(Busy, OptionKeepsItsValueDuringARun) {
    form->show();
    form->fileList().AppendItem(document("one.txt", "a@example.com c@example.com"));
    platform.onPump = [&] { QTest::mouseClick(&form->Check1(), Qt::LeftButton, {}, QPoint(5, 8)); };
    pick(command::kStartExtracting);
    EXPECT_FALSE(form->Check1().isChecked());
    EXPECT_THAT(results.rows(), ElementsAre(Row{"a@example.com"}, Row{"c@example.com"}));

    platform.onPump = nullptr;
    QTest::mouseClick(&form->Check1(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(form->Check1().isChecked());
}

TEST_F(Busy, ExitDuringARunAbandonsTheRemainingDocuments) {
    form->show();
    listNumberedDocuments(5);
    exitOnceRowsReach(2);
    pick(command::kStartExtracting);
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(engine.created, 3);  // the one being read when Exit came, and no more
    EXPECT_EQ(results.shown, 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Busy, ClosingDuringAScanAbandonsIt) {
    docs.file("a/x.doc");
    docs.file("b/y.doc");
    form->show();
    platform.folderAnswers.push_back(docs.root());
    platform.onPump = [&] { form->close(); };
    pick(command::kAddFolder);
    EXPECT_EQ(programEnded, 1);
    EXPECT_THAT(items(), IsEmpty());
    EXPECT_EQ(form->pointer().current(), platform::PointerShape::Default);
}

}  // namespace
}  // namespace harvelux::shell::testing
