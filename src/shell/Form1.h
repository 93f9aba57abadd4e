// The main window: the command bars, the file list, the option frame and the
// progress bar, laid out by fixed arithmetic on the window's size. Every menu
// and toolbar command arrives at CommandBars_Execute; the commands are the
// window's public procedures.
//
// While an extraction run or a folder scan is under way (both let pending
// window messages be processed), the commands that would disturb it are
// ignored: starting a run, adding files or folders or samples, dropping,
// clearing and removing items, and (during a run) changing the options. The
// help commands and "&Exit" still work; ending the program during long work
// abandons it. Escape during a run, or "Stop Extracting" (what "Start
// Extracting" reads then), asks whether to stop it; Yes ends it after the
// document being read and shows what was found.
#pragma once

#include "filelist/FileList.h"
#include "filelist/ScanProblems.h"
#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "results/ResultsWindowInterface.h"
#include "shell/ProgressBar.h"
#include "ui/SettingsStore.h"
#include "wordproc/EngineInterface.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QMenuBar;
class QToolBar;

namespace harvelux::filelist {
class FileListView;
}

namespace harvelux::shell {

inline constexpr const char* kSamplesQuestion =
    "Would you like this software to open the folder where these sample files are stored (so that you can view "
    "them before working with them)?";
inline constexpr const char* kFrameCaption = "Extract Option";
inline constexpr const char* kOptionCaption = "Include filename next to each email address in results";
inline constexpr const char* kStopQuestion = "Stop extracting? The addresses found so far will be shown.";

// What the window works with besides its own widgets.
struct Form1Services {
    platform::Platform& platform;
    harvelux::results::ResultsWindowInterface& results;
    // The folder beside the executable (Samples/, Video/).
    std::string programFolder;
    // The document engine and the probe for a running desktop word processor.
    wordproc::ApplicationFactory& engine;
    std::function<bool()> wordProcessorRunning;
    // Ends the program (the real one leaves the event loop).
    std::function<void()> endProgram;
    // How many documents a run reads at a time on worker threads (1: one
    // after the other on the window's thread).
    unsigned readAheadJobs;
};

class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up of the window: the skin, centring, caption, icon, the file
    // list's column, the option restored from the settings (which sets up
    // the results window), the toolbar, the menu bar and the check that the
    // document engine starts.
    void Form_Load();
    // Lays the controls out for the current size; nothing while minimised.
    void Form_Resize();
    // Shutdown: records the window's placement (normal state only) and ends
    // the program. `cancel` is never set.
    void Form_Unload(int cancel);

    // The option's handler: stores it and gives the results list the
    // columns for it (dropping any rows it holds).
    void Check1_Click();

    // Runs the command with this ID; IDs without a command do nothing.
    void CommandBars_Execute(int id);

    void Start();
    void AddFiles();
    void AddFolder();
    void ClearList();
    void ClearSelected();
    void LoadSamples();
    void Help();
    // Dropped files and folders (their local paths, in the dropped order).
    void ListView1_OLEDragDrop(const std::vector<std::string>& paths);

    // The option's value: 0 unticked, 1 ticked, 2 greyed.
    int optionValue() const;
    // Sets the check box: 0 unticked, 1 ticked, 2 greyed (shown partly
    // ticked; a click then ticks it).
    void setOptionValue(int value);

    filelist::FileList& fileList() { return fileList_; }
    filelist::FileListView& ListView1() { return *listView_; }
    QGroupBox& Frame1() { return *frame_; }
    QCheckBox& Check1() { return *check_; }
    ProgressBar& ProgressBar1() { return *progress_; }
    QMenuBar& commandMenuBar() { return *menuBar_; }
    QToolBar& standardToolbar() { return *toolbar_; }
    platform::Pointer& pointer() { return pointer_; }

    // "Search Whole Documents" in the File menu: whether runs read every
    // story of each document. Clicks during a run are ignored.
    bool allStories() const { return allStories_; }
    void toggleAllStories();
    // "Find International Addresses" in the File menu.
    bool international() const { return international_; }
    void toggleInternational();
    // "Read Scanned Pages and Pictures" in the File menu: whether runs read
    // pictures and scanned pages by optical character recognition.
    bool ocr() const { return ocr_; }
    void toggleOcr();

    // True while a run or a folder scan is under way.
    bool isBusy() const { return work_ != Work::None; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Flips a File-menu option and stores it, unless a run is going: a run
    // keeps the options it started with. The menu item ticks itself when
    // clicked; it shows the option either way.
    void toggleMenuOption(bool& option, const char* key, int command);
    enum class Work { None, Run, Scan };
    // Marks the window busy with a run or a scan for as long as it lasts.
    class WorkScope {
    public:
        WorkScope(Work& work, Work kind) : work_(work) { work_ = kind; }
        ~WorkScope() { work_ = Work::None; }
        WorkScope(const WorkScope&) = delete;
        WorkScope& operator=(const WorkScope&) = delete;

    private:
        Work& work_;
    };

    void dispatch(QAction* control);
    // Escape or "Stop Extracting" during a run: asks whether to stop.
    void askToStop();
    // "&Watch Old Demo Video" is in the Help menu only when there is a video.
    void offerVideoWhenThere();
    // The modes a run uses, in words ("whole documents").
    std::vector<std::string> runModes() const;
    void placeCommandBars();
    std::function<void()> scanPump();
    // One message after a scan that could not look everywhere.
    void reportScanProblems(const filelist::ScanProblems& problems);

    Form1Services services_;
    QMenuBar* menuBar_;
    QToolBar* toolbar_;
    filelist::FileListView* listView_;
    QGroupBox* frame_;
    QCheckBox* check_;
    ProgressBar* progress_;
    filelist::FileList fileList_;
    ProgressBarSink progressSink_;
    platform::WidgetPointer pointer_;
    SettingsStore settings_;
    Work work_ = Work::None;
    bool ending_ = false;
    bool allStories_ = false;
    bool international_ = false;
    bool ocr_ = false;
    // The user chose to stop the run under way; the question is up.
    bool stopRequested_ = false;
    bool askingToStop_ = false;
};

}  // namespace harvelux::shell
