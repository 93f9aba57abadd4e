// The program's two windows, built and wired as the program runs them: the
// main window and the results window, which live for the whole process, one
// of them visible at a time once start-up is over.
//
// The desktop program's main() and the end-to-end tests both start the
// program through createApplicationWindows, so the tests drive exactly the
// program a user gets, on a platform of their choosing.
#pragma once

#include "platform/Platform.h"
#include "wordproc/EngineInterface.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace harvelux::results {
class Form2;
}

namespace harvelux::shell {

class Form1;

struct ApplicationServices {
    platform::Platform& platform;
    // The folder beside the executable (x/o.cjs, Samples/, Video/).
    std::string programFolder;
    wordproc::ApplicationFactory& engine;
    std::function<bool()> wordProcessorRunning;
    // Ends the program at once, from either window.
    std::function<void()> endProgram;
    // Told of each window as it is shown: dialogs and message boxes belong
    // to the window the user sees. May be empty.
    std::function<void(QWidget&)> windowShown;
    // Documents read at a time during a run.
    unsigned readAheadJobs;
    // Documents and folders to add to the list once the program runs, as a
    // drop adds them.
    std::vector<std::string> startPaths = {};
};

class ApplicationWindows final : public QObject {
    Q_OBJECT
public:
    explicit ApplicationWindows(ApplicationServices services);
    ~ApplicationWindows() override;

    Form1& main() { return *main_; }
    results::Form2& results() { return *results_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget&)> windowShown_;
    // The results window outlives the main window, which holds on to it.
    std::unique_ptr<results::Form2> results_;
    std::unique_ptr<Form1> main_;
};

// Builds both windows, gives the program its icon, runs the main window's
// start-up (which loads the results window, hidden) and shows the main
// window. The start paths are added when the event loop first runs, so a
// long folder scan happens in a window that is up and can be closed.
std::unique_ptr<ApplicationWindows> createApplicationWindows(ApplicationServices services);

}  // namespace harvelux::shell
