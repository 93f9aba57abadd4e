// "Start Extracting" on screen: the run over the listed documents, its
// progress bar, pointer and messages, and the results it hands over.
#include "FormFixture.h"
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "shell/CommandIds.h"

#include <gmock/gmock.h>

#include <QCheckBox>

namespace harvelux::shell::testing {
namespace {

using platform::Answer;
using platform::PointerShape;
using Row = std::vector<std::string>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

using StartExtracting = FormFixture;

TEST_F(StartExtracting, EmptyListSaysNoFilesAdded) {
    form->show();
    pick(command::kStartExtracting);
    EXPECT_THAT(platform.messageTexts(), ElementsAre("No files added."));
    EXPECT_EQ(results.shown, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pointer().current(), PointerShape::Default);
}

TEST_F(StartExtracting, FindsAddressesOnceAndHandsOverToTheResults) {
    form->show();
    form->fileList().AppendItems({
        document("one.txt", "Write to Alice@Example.com or bob@example.org today"),
        docs.path("missing.doc"),
        document("two.txt", "alice@example.COM again, and carol@example.net"),
    });
    pick(command::kStartExtracting);

    EXPECT_THAT(results.rows(),
                ElementsAre(Row{"Alice@Example.com"}, Row{"bob@example.org"}, Row{"carol@example.net"}));
    EXPECT_EQ(results.shown, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_THAT(platform.messages, IsEmpty());
    EXPECT_EQ(form->ProgressBar1().percent(), 0);
    EXPECT_EQ(form->ProgressBar1().text(), "Progress Bar");
    EXPECT_EQ(form->pointer().current(), PointerShape::Default);
    // The list stays for another run.
    EXPECT_EQ(form->fileList().count(), 3);
}

TEST_F(StartExtracting, WithTheOptionEachAddressStandsBesideItsFirstDocument) {
    const auto one = document("one.txt", "x@example.com");
    const auto two = document("two.txt", "X@EXAMPLE.COM y@example.com");
    form->fileList().AppendItems({one, two});
    form->Check1().setChecked(true);
    pick(command::kStartExtracting);
    EXPECT_THAT(results.rows(), ElementsAre(Row{one, "x@example.com"}, Row{two, "y@example.com"}));
}

TEST_F(StartExtracting, NoAddressStillShowsTheResults) {
    form->show();
    form->fileList().AppendItem(document("plain.txt", "nothing to see"));
    pick(command::kStartExtracting);
    EXPECT_THAT(results.rows(), IsEmpty());
    EXPECT_EQ(results.shown, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartExtracting, ProgressAndHourglassWhileDocumentsAreRead) {
    for (int i = 1; i <= 4; ++i)
        form->fileList().AppendItem(document(std::to_string(i) + ".txt", "a" + std::to_string(i) + "@example.com"));
    std::vector<double> values;
    std::vector<std::string> texts;
    std::vector<PointerShape> shapes;
    platform.onPump = [&] {
        values.push_back(form->ProgressBar1().percent());
        texts.push_back(form->ProgressBar1().text().toStdString());
        shapes.push_back(form->pointer().current());
    };
    pick(command::kStartExtracting);

    // One pump before the word-processor check, then one per candidate word.
    EXPECT_THAT(values, ElementsAre(0, 25, 50, 75, 100));
    EXPECT_EQ(texts.back(), "Extracting emails.. 4 of 4 documents \u00B7 Esc to stop");
    EXPECT_THAT(shapes, ::testing::Each(PointerShape::Hourglass));
}

TEST_F(StartExtracting, DocumentsFullOfCandidateWordsPumpEachDocumentButNotEachWord) {
    for (int d = 1; d <= 3; ++d) {
        std::string words;
        for (int w = 0; w < 2000; ++w) words += "d" + std::to_string(d) + "w" + std::to_string(w) + "@example.com ";
        form->fileList().AppendItem(document(std::to_string(d) + ".txt", words));
    }
    form->fileList().AppendItem(document("4.txt", "nothing here"));
    std::vector<double> values;
    platform.onPump = [&] {
        const double now = form->ProgressBar1().percent();
        if (values.empty() || values.back() != now) values.push_back(now);
    };
    pick(command::kStartExtracting);

    EXPECT_THAT(values, ElementsAre(0, 25, 50, 75, 100));
    EXPECT_EQ(results.rows().size(), 6000u);
    // 6,000 candidate words; messages go through every 20 ms, not per word.
    EXPECT_LT(platform.pumpCount, 200);
}

TEST_F(StartExtracting, ProgressKeepsFractions) {
    for (int i = 1; i <= 3; ++i)
        form->fileList().AppendItem(document(std::to_string(i) + ".txt", "b" + std::to_string(i) + "@example.com"));
    std::vector<double> values;
    platform.onPump = [&] { values.push_back(form->ProgressBar1().percent()); };
    pick(command::kStartExtracting);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_NEAR(values[1], 33.33, 0.006);
    EXPECT_NEAR(values[2], 66.67, 0.006);
}

TEST_F(StartExtracting, RunningWordProcessorIsWarnedAboutAndNoStopsTheRun) {
    form->show();
    wordProcessorRunning = true;
    form->fileList().AppendItem(document("one.txt", "x@example.com"));
    pick(command::kStartExtracting);  // the scripted answer is No
    EXPECT_THAT(platform.messageTexts(), ElementsAre(extract::kWordOpenWarning));
    EXPECT_THAT(results.rows(), IsEmpty());
    EXPECT_EQ(results.shown, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pointer().current(), PointerShape::Default);

    platform.answers.push_back(Answer::Yes);
    pick(command::kStartExtracting);
    EXPECT_THAT(results.rows(), ElementsAre(Row{"x@example.com"}));
}

TEST_F(StartExtracting, ResultsWindowBusyExportingMeansNoRun) {
    form->fileList().AppendItem(document("one.txt", "x@example.com"));
    results.busy = true;
    pick(command::kStartExtracting);
    EXPECT_EQ(engine.created, 0);
    EXPECT_EQ(results.shown, 0);
}

// Documents read ahead on worker threads: what the user sees is what reading
// them one by one shows.
class StartExtractingReadingAhead : public FormFixture {
protected:
    StartExtractingReadingAhead() { readAheadJobs = 3; }
};

TEST_F(StartExtractingReadingAhead, RowsOrderProgressAndMessagesAreThoseOfReadingOneByOne) {
    form->show();
    form->fileList().AppendItems({
        document("1.txt", "a@example.com b@example.com"),
        document("2.txt", "B@EXAMPLE.COM c@example.com"),
        document("3.txt", "d@example.com a@example.com"),
        document("4.txt", "e@example.com"),
    });
    // Pumps while a document is still being read show the value its
    // candidate words show too.
    std::vector<double> values;
    platform.onPump = [&] {
        const double now = form->ProgressBar1().percent();
        if (values.empty() || values.back() != now) values.push_back(now);
    };
    pick(command::kStartExtracting);

    EXPECT_THAT(results.rows(), ElementsAre(Row{"a@example.com"}, Row{"b@example.com"}, Row{"c@example.com"},
                                            Row{"d@example.com"}, Row{"e@example.com"}));
    EXPECT_THAT(values, ElementsAre(0, 25, 50, 75, 100));
    EXPECT_THAT(platform.messages, IsEmpty());
    EXPECT_EQ(results.shown, 1);
    EXPECT_EQ(form->pointer().current(), PointerShape::Default);
    EXPECT_EQ(engine.createdOnWorkers, 4);
}

TEST_F(StartExtractingReadingAhead, ExitDuringARunAbandonsIt) {
    form->show();
    listNumberedDocuments(8);
    exitOnceRowsReach(2);
    pick(command::kStartExtracting);
    EXPECT_EQ(programEnded, 1);
    // The document being read when Exit came is finished; no other is read.
    EXPECT_EQ(results.rows().size(), 3u);
    EXPECT_EQ(results.shown, 0);
}

}  // namespace
}  // namespace harvelux::shell::testing
