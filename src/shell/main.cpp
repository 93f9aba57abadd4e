// The desktop program: both windows over the real platform and the document
// engine.
#include "common/LocalTimeZone.h"
#include "common/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "platform/RunningWordProcessor.h"
#include "shell/ApplicationWindows.h"
#include "wordproc/DocumentEngine.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <thread>

int main(int argc, char* argv[]) {
    harvelux::pinLocalTimeZone();
    QApplication app(argc, argv);

    harvelux::platform::QtPlatform platform;
    harvelux::wordproc::DocumentEngineFactory engine;
    const auto windows = harvelux::shell::createApplicationWindows({
        platform,
        harvelux::programFolder(),
        engine,
        [] { return harvelux::platform::isDesktopWordProcessorRunning(); },
        // Both windows are hidden by then; whatever else is under way
        // unwinds without showing anything more.
        [] { QCoreApplication::exit(0); },
        [&platform](QWidget& window) { platform.setDialogParent(&window); },
        std::max(1u, std::thread::hardware_concurrency()),
    });
    return QApplication::exec();
}
