#include "shell/ApplicationWindows.h"

#include "results/Form2.h"
#include "shell/Form1.h"
#include "shell/IconStore.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace harvelux::shell {

ApplicationWindows::ApplicationWindows(ApplicationServices services)
    : windowShown_(std::move(services.windowShown)),
      results_(std::make_unique<results::Form2>(services.platform)),
      main_(std::make_unique<Form1>(Form1Services{
          services.platform,
          *results_,
          std::move(services.programFolder),
          services.engine,
          std::move(services.wordProcessorRunning),
          services.endProgram,
          services.readAheadJobs,
      })) {
    Form1* main = main_.get();
    results_->setShowMainWindow([main] {
        main->show();
        main->raise();
        main->activateWindow();
    });
    // Closing the results window ends the program without the main
    // window's shutdown: no placement is recorded.
    results_->setEndProgram(std::move(services.endProgram));
    main_->installEventFilter(this);
    results_->installEventFilter(this);
}

ApplicationWindows::~ApplicationWindows() {
    main_->removeEventFilter(this);
    results_->removeEventFilter(this);
}

bool ApplicationWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && windowShown_) {
        if (watched == main_.get())
            windowShown_(*main_);
        else if (watched == results_.get())
            windowShown_(*results_);
    }
    return QObject::eventFilter(watched, event);
}

std::unique_ptr<ApplicationWindows> createApplicationWindows(ApplicationServices services) {
    // The results window takes the application's icon when it loads, which
    // happens during the main window's start-up.
    QApplication::setWindowIcon(applicationIcon());
    std::vector<std::string> startPaths = std::move(services.startPaths);
    auto windows = std::make_unique<ApplicationWindows>(std::move(services));
    windows->main().Form_Load();
    windows->main().show();
    if (!startPaths.empty()) {
        Form1* main = &windows->main();
        QTimer::singleShot(0, main, [main, paths = std::move(startPaths)] { main->ListView1_OLEDragDrop(paths); });
    }
    return windows;
}

}  // namespace harvelux::shell
