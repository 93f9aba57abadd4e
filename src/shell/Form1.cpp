#include "shell/Form1.h"

#include "common/Twips.h"
#include "extract/EngineStartCheck.h"
#include "filelist/AddFiles.h"
#include "filelist/AddFolder.h"
#include "filelist/DropExpansion.h"
#include "filelist/FileListView.h"
#include "filelist/SampleFiles.h"
#include "shell/AboutBox.h"
#include "shell/AllStoriesOption.h"
#include "shell/ApplySkin.h"
#include "shell/CommandBarControls.h"
#include "shell/CommandBars.h"
#include "shell/CommandIds.h"
#include "shell/Form1Layout.h"
#include "shell/Form1Settings.h"
#include "shell/HelpTargets.h"
#include "shell/IconStore.h"
#include "shell/InternationalOption.h"
#include "shell/OcrOption.h"
#include "shell/OptionFrame.h"
#include "ui/CenterForm.h"
#include "ui/CommandBarNames.h"
#include "ui/FitToScreen.h"
#include "ui/WidgetLook.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace harvelux::shell {

namespace {

// Thrown from the scan's message pump when the program ends during a scan.
struct ScanAbandoned {};

QRect twipRect(long long left, long long top, long long width, long long height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      menuBar_(new QMenuBar(this)),
      toolbar_(new QToolBar(this)),
      listView_(new filelist::FileListView(this)),
      frame_(new OptionFrame(QString::fromUtf8(kFrameCaption), this)),
      check_(new QCheckBox(QString::fromUtf8(kOptionCaption), frame_)),
      progress_(new ProgressBar(this)),
      fileList_(*listView_),
      progressSink_(*progress_),
      pointer_(this) {
    setObjectName(QStringLiteral("Form1"));
    // The window is filled in the palette's colour for lists and text fields:
    // white in the usual palette, dark in a dark one, where the palette's
    // light text then stays readable.
    const QColor background = palette().color(QPalette::Base);
    fillBackground(*this, background);

    listView_->setObjectName(QStringLiteral("ListView1"));
    listView_->setFont(controlFont());
    listView_->setToolTip(QString::fromUtf8(filelist::kFileListToolTip));

    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFont(controlFont());
    fillBackground(*frame_, background);

    check_->setObjectName(QStringLiteral("Check1"));
    check_->setFont(controlFont());
    fillBackground(*check_, background);
    check_->setChecked(false);
    check_->setGeometry(twipRect(kCheckLeft, kCheckTop, kCheckWidth, kCheckHeight));
    check_->installEventFilter(this);
    connect(check_, &QCheckBox::stateChanged, this, [this](int state) {
        // Greyed is a state the program sets; once the box leaves it, it is
        // an ordinary two-state box again.
        if (state != Qt::PartiallyChecked) check_->setTristate(false);
        Check1_Click();
    });

    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setFont(controlFont());

    menuBar_->setObjectName(QStringLiteral("CommandBars"));
    listView_->setAccessibleName(QStringLiteral("Documents"));
    listView_->setAccessibleDescription(QString::fromUtf8(filelist::kFileListToolTip));
    frame_->setAccessibleName(QString::fromUtf8(kFrameCaption));
    frame_->setAccessibleDescription(QStringLiteral("How the results of a run are laid out"));
    check_->setAccessibleName(QString::fromUtf8(kOptionCaption));
    check_->setAccessibleDescription(
        QStringLiteral("Each address is shown beside the path of the document it was found in."));
    progress_->setAccessibleName(QStringLiteral("Progress"));
    progress_->setAccessibleDescription(QStringLiteral("How far the extraction has come"));
    // F10 opens the menu bar, from where the arrow keys go on.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        if (!menuBar_->actions().isEmpty()) {
            menuBar_->setFocus(Qt::ShortcutFocusReason);
            menuBar_->setActiveAction(menuBar_->actions().first());
        }
    });

    connect(menuBar_, &QMenuBar::triggered, this, &Form1::dispatch);
    connect(toolbar_, &QToolBar::actionTriggered, this, &Form1::dispatch);
    connect(listView_, &filelist::FileListView::deletePressed, this, [this] {
        if (!isBusy()) fileList_.RemoveCurrentItem();
    });
    connect(listView_, &filelist::FileListView::doubleClickedList, this, [this] {
        if (!isBusy()) fileList_.RemoveCurrentItem();
    });
    connect(listView_, &filelist::FileListView::filesDropped, this, &Form1::ListView1_OLEDragDrop);

    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    ApplySkin(*this, services_.programFolder);
    CenterForm(*this, {kOuterExtraWidth, kOuterExtraHeight});
    FitToScreen(*this, {kOuterExtraWidth, kOuterExtraHeight});
    setWindowTitle(QString::fromUtf8(platform::kApplicationTitle));
    setWindowIcon(applicationIcon());
    fileList_.SetUpColumn();

    // The stored option, or the box's own state when none (or a damaged one)
    // is stored. Setting the box runs the handler when the value changes;
    // the explicit call makes sure it runs once in any case, which stores the
    // option and loads the results window with the matching columns.
    const int initial = optionValue();
    setOptionValue(optionFromSetting(settings_.read(kCheck1Key, std::to_string(initial)), initial));
    Check1_Click();

    CreateToolbar(*toolbar_, *menuBar_);
    CreateMenu(*menuBar_);
    NameShortcutsOnToolbar(*toolbar_, *menuBar_);
    nameCommandBars(*menuBar_, *toolbar_);
    for (QAction* popup : menuBar_->actions())
        if (popup->menu()) connect(popup->menu(), &QMenu::aboutToShow, this, &Form1::offerVideoWhenThere);
    offerVideoWhenThere();
    allStories_ = loadAllStories(settings_);
    if (QAction* control = findMenuCommand(*menuBar_, command::kMenuAllStories)) control->setChecked(allStories_);
    international_ = loadInternational(settings_);
    if (QAction* control = findMenuCommand(*menuBar_, command::kMenuInternational)) control->setChecked(international_);
    ocr_ = loadOcr(settings_);
    if (QAction* control = findMenuCommand(*menuBar_, command::kMenuOcr)) control->setChecked(ocr_);
    placeCommandBars();
    extract::CheckWordInstalled(services_.engine, services_.platform);
}

void Form1::Check1_Click() { shell::Check1_Click(settings_, services_.results, optionValue()); }

void Form1::placeCommandBars() {
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    toolbar_->setGeometry(0, menuHeight, width(), toolbar_->sizeHint().height());
}

void Form1::Form_Resize() {
    const long long outerWidth = pixelsToTwips(width()) + kOuterExtraWidth;
    const long long outerHeight = pixelsToTwips(height()) + kOuterExtraHeight;
    const auto layout = layoutMainWindow(outerWidth, outerHeight, isMinimized(), fileList_.hasColumn());
    if (!layout) return;
    placeCommandBars();
    listView_->setGeometry(twipRect(kControlLeft, layout->listTop, layout->listWidth, layout->listHeight));
    frame_->setGeometry(twipRect(kControlLeft, layout->frameTop, layout->frameWidth, kFrameHeight));
    progress_->setGeometry(twipRect(kControlLeft, layout->progressTop, layout->progressWidth, kProgressHeight));
    if (layout->columnWidth) listView_->setColumnWidth(0, twipsToPixels(*layout->columnWidth));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Coming back from the minimised state lays the window out again.
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload(0);
    event->accept();
}

void Form1::Form_Unload(int /*cancel*/) {
    if (ending_) return;
    ending_ = true;
    SaveFormPlacement(*this, settings_);
    hide();
    services_.endProgram();
}

void Form1::dispatch(QAction* control) {
    if (control) CommandBars_Execute(CJ::controlId(*control));
}

void Form1::CommandBars_Execute(int id) {
    switch (id) {
        case command::kAddFiles:
        case command::kMenuAddFiles:
            AddFiles();
            break;
        case command::kAddFolder:
        case command::kMenuAddFolder:
            AddFolder();
            break;
        case command::kClearList:
        case command::kMenuClearAll:
            ClearList();
            break;
        case command::kMenuClearSelected:
            ClearSelected();
            break;
        case command::kLoadSamples:
        case command::kMenuLoadSamples:
            LoadSamples();
            break;
        case command::kStartExtracting:
        case command::kMenuStartExtracting:
            // During a run the same control reads "Stop Extracting".
            if (work_ == Work::Run)
                askToStop();
            else
                Start();
            break;
        case command::kMenuExit:
            Form_Unload(0);
            break;
        case command::kMenuAllStories:
            toggleAllStories();
            break;
        case command::kMenuInternational:
            toggleInternational();
            break;
        case command::kMenuOcr:
            toggleOcr();
            break;
        case command::kMenuHelp:
            Help();
            break;
        case command::kMenuFaq:
            openOrTell(services_.platform, kFaqPage);
            break;
        case command::kMenuVideo:
            openOrTell(services_.platform, videoTarget(services_.programFolder));
            break;
        case command::kMenuHomePage:
            openOrTell(services_.platform, kHomePage);
            break;
        case command::kMenuAbout:
            services_.platform.messageBox(aboutText(), platform::Buttons::Ok, platform::Icon::None, kAboutTitle);
            break;
        default:
            break;
    }
}

int Form1::optionValue() const {
    switch (check_->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
    }
    return 0;
}

void Form1::setOptionValue(int value) {
    if (value == 2) {
        check_->setTristate(true);
        check_->setCheckState(Qt::PartiallyChecked);
    } else {
        check_->setCheckState(value == 0 ? Qt::Unchecked : Qt::Checked);
    }
}

void Form1::toggleMenuOption(bool& option, const char* key, int command) {
    if (work_ != Work::Run) {
        option = !option;
        storeMenuOption(settings_, key, option);
    }
    if (QAction* control = findMenuCommand(*menuBar_, command)) control->setChecked(option);
}

void Form1::toggleAllStories() { toggleMenuOption(allStories_, kAllStoriesKey, command::kMenuAllStories); }
void Form1::toggleInternational() { toggleMenuOption(international_, kInternationalKey, command::kMenuInternational); }
void Form1::toggleOcr() { toggleMenuOption(ocr_, kOcrKey, command::kMenuOcr); }

void Form1::AddFiles() {
    if (isBusy()) return;
    fileList_.AppendItems(filelist::ChooseFilesToAdd(services_.platform));
}

std::function<void()> Form1::scanPump() {
    return [this] {
        services_.platform.processEvents();
        if (ending_) throw ScanAbandoned{};
    };
}

void Form1::reportScanProblems(const filelist::ScanProblems& problems) {
    if (!problems.empty() && !ending_)
        platform::showMessage(services_.platform, filelist::scanProblemsMessage(problems));
}

void Form1::AddFolder() {
    if (isBusy()) return;
    const std::string folder = filelist::BrowseFolder(services_.platform, filelist::kFolderPrompt);
    if (folder.empty()) return;
    filelist::ScanProblems problems;
    {
        WorkScope scope(work_, Work::Scan);
        platform::HourglassScope hourglass(pointer_);
        try {
            fileList_.AppendItems(filelist::FolderDocuments(folder, scanPump(), &problems));
        } catch (const ScanAbandoned&) {
            return;
        }
    }
    reportScanProblems(problems);
}

void Form1::ListView1_OLEDragDrop(const std::vector<std::string>& paths) {
    if (isBusy() || ending_) return;
    filelist::ScanProblems problems;
    {
        WorkScope scope(work_, Work::Scan);
        try {
            fileList_.AppendItems(filelist::ExpandDrop(paths, scanPump(), &problems));
        } catch (const ScanAbandoned&) {
            return;
        }
    }
    reportScanProblems(problems);
}

void Form1::ClearList() {
    if (isBusy()) return;
    fileList_.ClearList();
}

void Form1::ClearSelected() {
    if (isBusy()) return;
    fileList_.ClearSelected();
}

void Form1::LoadSamples() {
    if (isBusy()) return;
    fileList_.AppendItems(filelist::samplePaths(services_.programFolder));
    if (platform::askYesNo(services_.platform, kSamplesQuestion))
        openOrTell(services_.platform, filelist::samplesFolder(services_.programFolder));
}

void Form1::Help() { openOrTell(services_.platform, kHelpPage); }

void Form1::offerVideoWhenThere() {
    if (QAction* video = findMenuCommand(*menuBar_, command::kMenuVideo))
        video->setVisible(hasVideoFolder(services_.programFolder));
}

}  // namespace harvelux::shell
