// Start-up and shutdown of the whole program: the option restored from the
// settings and the results list set up for it, the skin, the engine check,
// the placement recorded at shutdown, and which window is where.
#include "ApplicationFixture.h"
#include "common/Twips.h"
#include "extract/EngineStartCheck.h"
#include "shell/CommandIds.h"
#include "shell/Form1Layout.h"
#include "shell/Form1Settings.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace harvelux::shell::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Row = std::vector<std::string>;

constexpr const char* kPlacementKeys[] = {kLeftKey, kTopKey, kWidthKey, kHeightKey};

using Startup = ApplicationFixture;

TEST_F(Startup, FirstStartStoresTheUntickedOptionAndLoadsTheResultsWindowHidden) {
    start();
    EXPECT_EQ(main().Check1().checkState(), Qt::Unchecked);
    EXPECT_EQ(setting("Check1"), "0");
    EXPECT_TRUE(resultsWindow().isLoaded());
    EXPECT_FALSE(resultsWindow().isVisible());
    EXPECT_THAT(columnCaptions(), ElementsAre("Email Results"));

    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle(), "Harvelux");
    EXPECT_FALSE(main().windowIcon().isNull());
    EXPECT_FALSE(resultsWindow().windowIcon().isNull());
    // Centred on its outer frame: offscreen windows get none, so the frame
    // the layout assumes stands in for it.
    const QRect outer(main().pos(),
                      main().size() + QSize(twipsToPixels(kOuterExtraWidth), twipsToPixels(kOuterExtraHeight)));
    const QPoint offCentre = outer.center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ',' << offCentre.y();
    EXPECT_FALSE(main().standardToolbar().actions().isEmpty());

    // The engine was tried once and quietly found working; no placement yet.
    EXPECT_EQ(engine.created, 1);
    EXPECT_THAT(platform.messages, IsEmpty());
    for (const char* key : kPlacementKeys) EXPECT_EQ(setting(key), std::nullopt) << key;
    EXPECT_THAT(shownWindows, ElementsAre(&main()));
}

TEST_F(Startup, StoredOneTicksTheOptionWithFileNameColumns) {
    store("Check1", "1");
    start();
    EXPECT_EQ(main().Check1().checkState(), Qt::Checked);
    EXPECT_THAT(columnCaptions(), ElementsAre("Filename", "Emails"));
    EXPECT_EQ(setting("Check1"), "1");
}

// A settings file that went bad must not stop the program from starting.
class StoredOptionThatIsNoState : public ApplicationFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(StoredOptionThatIsNoState, StartsUntickedAndStoresItSo) {
    store("Check1", GetParam());
    start();
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().Check1().checkState(), Qt::Unchecked);
    EXPECT_THAT(columnCaptions(), ElementsAre("Email Results"));
    EXPECT_EQ(setting("Check1"), "0");
    EXPECT_THAT(platform.messages, IsEmpty());
}
INSTANTIATE_TEST_SUITE_P(BadValues, StoredOptionThatIsNoState,
                         ::testing::Values("7", "abc", "-1", "", "1.5", "3", "99999999999999999999"));

TEST(OptionFromSetting, TakesTheThreeStatesWithSurroundingBlanksAndNothingElse) {
    EXPECT_EQ(optionFromSetting("0", 1), 0);
    EXPECT_EQ(optionFromSetting("1", 0), 1);
    EXPECT_EQ(optionFromSetting(" 2\t", 0), 2);
    for (const char* bad : {"", " ", "1x", "x1", "+1", "1 1", "0x1", "-0x"})
        EXPECT_EQ(optionFromSetting(bad, 0), 0) << bad;
}

TEST_F(Startup, StoredTwoShowsTheOptionGreyedAndCountsAsTicked) {
    store("Check1", "2");
    start();
    EXPECT_EQ(main().Check1().checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(main().optionValue(), 2);
    EXPECT_EQ(setting("Check1"), "2");
    EXPECT_THAT(columnCaptions(), ElementsAre("Filename", "Emails"));

    // A run gives rows with the file name.
    const std::string doc = docs.file("one.txt", "a@example.com");
    main().fileList().AppendItem(doc);
    main().CommandBars_Execute(command::kStartExtracting);
    EXPECT_THAT(resultRows(), ElementsAre(Row{doc, "a@example.com"}));
    pickResults(results::kCommandBack);

    // A click ticks a greyed box; from then on it is an ordinary one.
    QTest::mouseClick(&main().Check1(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(main().Check1().checkState(), Qt::Checked);
    EXPECT_EQ(setting("Check1"), "1");
    QTest::mouseClick(&main().Check1(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(main().Check1().checkState(), Qt::Unchecked);
    EXPECT_EQ(setting("Check1"), "0");
    EXPECT_THAT(columnCaptions(), ElementsAre("Email Results"));
}

// The engine cannot be started: start-up says so and carries on.
class BrokenEngine final : public wordproc::ApplicationFactory {
public:
    std::unique_ptr<wordproc::Application> create() override { throw std::runtime_error("no engine"); }
};

TEST_F(Startup, EngineThatCannotStartIsReportedAndStartUpGoesOn) {
    BrokenEngine broken;
    windows = createApplicationWindows({platform, program.root(), broken, [] { return false; }, [] {}, {}, 1});
    EXPECT_THAT(platform.messageTexts(), ElementsAre(extract::kWordNotInstalled));
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(main().commandMenuBar().actions().isEmpty());
    EXPECT_EQ(setting("Check1"), "0");
}

// --- The skin -------------------------------------------------------------

QColor windowColour(QWidget& widget) { return widget.palette().color(QPalette::Window); }

TEST_F(Startup, WithoutTheSkinFileTheWindowItsFrameAndCheckBoxAreWhite) {
    program.folder("x/o.cjs");  // a folder of that name is no skin
    start();
    for (QWidget* w : std::initializer_list<QWidget*>{&main(), &main().Frame1(), &main().Check1()})
        EXPECT_EQ(windowColour(*w), QColor(Qt::white)) << w->objectName().toStdString();
    EXPECT_TRUE(main().styleSheet().isEmpty());
}

// A dark palette, as a dark desktop theme gives it, for as long as it lives.
class DarkPalette {
public:
    DarkPalette() {
        QPalette palette = saved_;
        palette.setColor(QPalette::Window, QColor(49, 54, 59));
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        QApplication::setPalette(palette);
    }
    ~DarkPalette() { QApplication::setPalette(saved_); }
    DarkPalette(const DarkPalette&) = delete;
    DarkPalette& operator=(const DarkPalette&) = delete;

    const QColor base{35, 38, 41};
    const QColor text{239, 240, 241};

private:
    const QPalette saved_ = QApplication::palette();
};

TEST_F(Startup, UnderADarkPaletteTheWindowItsFrameAndCheckBoxAreDarkBehindTheLightText) {
    const DarkPalette dark;
    start();
    for (QWidget* w : std::initializer_list<QWidget*>{&main(), &main().Frame1(), &main().Check1()}) {
        EXPECT_EQ(windowColour(*w), dark.base) << w->objectName().toStdString();
        EXPECT_EQ(w->palette().color(QPalette::WindowText), dark.text) << w->objectName().toStdString();
    }
    // The bars drawn on the window take its colours too.
    EXPECT_EQ(main().commandMenuBar().palette().color(QPalette::Window), dark.base);
    EXPECT_EQ(main().commandMenuBar().palette().color(QPalette::WindowText), dark.text);
}

// A button-face colour of its own for as long as it lives, so that it
// cannot be mistaken for any other colour of the window.
class DistinctButtonFace {
public:
    DistinctButtonFace() {
        QPalette palette = saved_;
        palette.setColor(QPalette::Button, colour);
        QApplication::setPalette(palette);
    }
    ~DistinctButtonFace() { QApplication::setPalette(saved_); }
    DistinctButtonFace(const DistinctButtonFace&) = delete;
    DistinctButtonFace& operator=(const DistinctButtonFace&) = delete;

    const QColor colour{200, 100, 50};

private:
    const QPalette saved_ = QApplication::palette();
};

TEST_F(Startup, TheSkinFileGivesTheButtonFaceColourThenItsStyleSheet) {
    const DistinctButtonFace buttonFace;
    const std::string sheet = "QCheckBox#Check1 { color: rgb(1, 2, 3); }";
    program.file("x/o.cjs", sheet);
    start();
    const QColor face = buttonFace.colour;
    for (QWidget* w : std::initializer_list<QWidget*>{&main(), &main().Frame1(), &main().Check1()})
        EXPECT_EQ(windowColour(*w), face) << w->objectName().toStdString();
    // The list is none of those controls.
    EXPECT_NE(windowColour(main().ListView1()), face);

    EXPECT_EQ(main().styleSheet().toStdString(), sheet);
    main().Check1().ensurePolished();
    EXPECT_EQ(main().Check1().palette().color(QPalette::WindowText), QColor(1, 2, 3));
}

// --- Shutdown -------------------------------------------------------------

std::vector<std::optional<std::string>> placement() {
    std::vector<std::optional<std::string>> values;
    for (const char* key : kPlacementKeys) values.push_back(setting(key));
    return values;
}

TEST_F(Startup, ClosingTheNormalWindowRecordsItsOuterPlacementInTwipsAndEnds) {
    start();
    main().resize(700, 500);
    main().move(33, 44);
    main().close();
    const QRect outer = main().frameGeometry();
    EXPECT_EQ(outer.topLeft(), QPoint(33, 44));
    EXPECT_GE(outer.width(), 700);
    EXPECT_THAT(placement(),
                ElementsAre("495", "660", std::to_string(outer.width() * 15), std::to_string(outer.height() * 15)));
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(resultsWindow().isVisible());
}

TEST_F(Startup, ExitAndTheCloseBoxLeaveTheSameKeys) {
    start();
    main().move(20, 30);
    main().CommandBars_Execute(command::kMenuExit);
    EXPECT_EQ(programEnded, 1);
    const auto byExit = placement();
    ASSERT_TRUE(byExit[0].has_value());

    clearSettings();
    windows.reset();
    start();
    main().move(20, 30);
    main().close();
    EXPECT_EQ(programEnded, 2);
    EXPECT_EQ(placement(), byExit);
}

class ClosingInState : public ApplicationFixture, public ::testing::WithParamInterface<Qt::WindowState> {};

TEST_P(ClosingInState, LeavesThePlacementKeysAsTheyWere) {
    store(kLeftKey, "earlier");
    start();
    main().setWindowState(GetParam());
    main().close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_THAT(placement(), ElementsAre("earlier", std::nullopt, std::nullopt, std::nullopt));
}
INSTANTIATE_TEST_SUITE_P(NotNormal, ClosingInState,
                         ::testing::Values(Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowFullScreen));

TEST_F(Startup, ClosingTheResultsWindowEndsWithoutRecordingPlacement) {
    start();
    main().fileList().AppendItem(docs.file("one.txt", "a@example.com"));
    main().CommandBars_Execute(command::kStartExtracting);
    ASSERT_TRUE(resultsWindow().isVisible());
    resultsWindow().close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_THAT(placement(), ElementsAre(std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    EXPECT_FALSE(main().isVisible());
}

// --- The windows in turn ----------------------------------------------------

TEST_F(Startup, BackThenASecondRunShowsOnlyTheNewRows) {
    start();
    const std::string one = docs.file("one.txt", "a@example.com b@example.com");
    const std::string two = docs.file("two.txt", "a@example.com c@example.com");
    main().fileList().AppendItem(one);
    main().CommandBars_Execute(command::kStartExtracting);
    EXPECT_TRUE(resultsWindow().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_THAT(resultRows(), ElementsAre(Row{"a@example.com"}, Row{"b@example.com"}));

    pickResults(results::kCommandBack);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(resultsWindow().isVisible());
    EXPECT_THAT(resultRows(), IsEmpty());

    main().CommandBars_Execute(command::kClearList);
    main().fileList().AppendItem(two);
    main().CommandBars_Execute(command::kStartExtracting);
    // A new run, so "a" is new again.
    EXPECT_THAT(resultRows(), ElementsAre(Row{"a@example.com"}, Row{"c@example.com"}));
    // Dialogs follow the window the user sees.
    EXPECT_THAT(shownWindows, ElementsAre(&main(), &resultsWindow(), &main(), &resultsWindow()));
}

TEST_F(Startup, TogglingTheOptionDropsHeldRowsAndRebuildsTheColumns) {
    start();
    main().fileList().AppendItem(docs.file("one.txt", "a@example.com"));
    main().CommandBars_Execute(command::kStartExtracting);
    ASSERT_EQ(resultRows().size(), 1u);

    main().Check1().click();
    EXPECT_EQ(setting("Check1"), "1");
    EXPECT_THAT(resultRows(), IsEmpty());
    EXPECT_THAT(columnCaptions(), ElementsAre("Filename", "Emails"));

    main().Check1().click();
    EXPECT_EQ(setting("Check1"), "0");
    EXPECT_THAT(columnCaptions(), ElementsAre("Email Results"));
}

TEST_F(Startup, RunsReadDocumentsOnWorkerThreads) {
    start();
    engine.created = 0;
    engine.createdOnWorkers = 0;
    for (int i = 1; i <= 6; ++i)
        main().fileList().AppendItem(
            docs.file(std::to_string(i) + ".txt", "a" + std::to_string(i % 4) + "@example.com"));
    main().CommandBars_Execute(command::kStartExtracting);
    EXPECT_THAT(resultRows(), ElementsAre(Row{"a1@example.com"}, Row{"a2@example.com"}, Row{"a3@example.com"},
                                          Row{"a0@example.com"}));
    EXPECT_EQ(engine.created, 6);
    EXPECT_EQ(engine.createdOnWorkers, 6);
}

}  // namespace
}  // namespace harvelux::shell::testing
