// The results window: the results list (`ListView1`) under a toolbar whose
// commands go back to the main window or export the list, and a status line
// below the list that says what the run went through; its "could not be
// read" link opens the list of those documents.
//
// The window is created early but loads (Form_Load) on the first touch of
// its list, which the start-up's call of the option handler makes; it stays
// hidden until a run shows it. Closing it ends the program at once, without
// the main window's shutdown.
#pragma once

#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "results/ResultsExport.h"
#include "results/ResultsList.h"
#include "results/ResultsWindowInterface.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QMenuBar;
class QToolBar;

namespace harvelux::results {

class ResultsViewControls;
class UnreadDialog;

// Command IDs of the results window's toolbar.
enum ResultsCommand : int {
    kCommandBack = 1000,
    kCommandSaveResults = 1001,
    kCommandSaveComma = 1002,
    kCommandCopyToClipboard = 1003,
    kCommandClearResults = 1004,
    kCommandSaveCsv = 1005,
};

class Form2 final : public QWidget, public ResultsWindowInterface {
    Q_OBJECT

public:
    // `platform` must outlive the window.
    explicit Form2(platform::Platform& platform, QWidget* parent = nullptr);
    ~Form2() override;

    // What `Back` calls to show the main window.
    void setShowMainWindow(std::function<void()> showMain);
    // What closing the window calls to end the program; by default the
    // application's event loop is left at once.
    void setEndProgram(std::function<void()> endProgram);

    // ResultsWindowInterface
    extract::ResultRowSink& resultRows() override;
    void setFilenameColumns(bool withFilename) override;
    void setRunSummary(const extract::RunSummary& summary) override;
    void showResults() override;
    bool isBusy() const override { return busy_; }
    extract::AddressIndex* addressIndex() override { return &index_; }

    // Commands of the window.
    void Back();
    void ClearResults();
    void SaveResults();
    void SaveComma();
    void CopyResultsToClipboard();
    // The ticked rows by address, with names, counts and documents (Ctrl+Shift+S).
    void SaveCsv();
    void CommandBars_Execute(int id);

    bool isLoaded() const { return loaded_; }
    ResultsList& list();
    QToolBar& toolBar() const { return *toolBar_; }
    QMenuBar& menuBar() const { return *menuBar_; }
    // Ctrl+C: the selected rows to the clipboard.
    void CopySelectedRows();
    QLabel& statusLine() const { return *status_; }
    // The filter field, the sorts and the header's and rows' context menus.
    ResultsViewControls& viewControls() const { return *viewControls_; }
    // Opens the list of what the last run could not read (the status line's
    // link does this); the dialog, or null when none is open.
    void showUnreadList();
    UnreadDialog* unreadDialog() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureLoaded();
    void Form_Load();
    void CreateStaticBar();
    void Form_Resize();
    void Form_Unload();
    void Form_MouseMove();
    void ListView1_MouseMove();
    void resetPointer();
    void placeToolBar();
    // The menu bar's height: what the list's place below the toolbar moves by.
    int menuHeight() const;
    // The height the filter field takes above the list.
    int filterHeight() const;
    void placeStatusLine();
    void updateStatusLine();
    template <typename Command>
    void runExclusively(Command&& command);

    platform::Platform& platform_;
    std::function<void()> showMain_;
    std::function<void()> endProgram_;
    QMenuBar* menuBar_;
    QToolBar* toolBar_;
    ResultsList list_;
    QLabel* status_;
    ResultsViewControls* viewControls_;  // owned by the window
    extract::RunSummary summary_;
    extract::AddressIndex index_;
    QPointer<UnreadDialog> unreadDialog_;
    platform::WidgetPointer pointer_;
    bool loaded_ = false;
    bool busy_ = false;
    // An option change that arrived while an export was reading the list;
    // applied when the export is over.
    std::optional<bool> pendingColumns_;
};

}  // namespace harvelux::results
