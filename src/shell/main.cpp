// The desktop program: both windows over the real platform and the document
// engine.
#include "common/HeapTuning.h"
#include "common/LocalTimeZone.h"
#include "common/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "platform/RunningWordProcessor.h"
#include "shell/ApplicationWindows.h"
#include "shell/StartPaths.h"
#include "ui/WidgetLook.h"
#include "wordproc/BuiltInEngine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char* argv[]) {
    harvelux::keepFreedBlocksForReuse();
    harvelux::pinLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setPalette(harvelux::withReadablePlaceholders(QApplication::palette()));

    // The documents and folders the program was started with (Qt has taken
    // its own options out of the arguments by now).
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(QFile::encodeName(argument).toStdString());

    harvelux::platform::QtPlatform platform;
    harvelux::wordproc::BuiltInEngineFactory engine;
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
        harvelux::shell::startPaths(arguments, QFile::encodeName(QDir::currentPath()).toStdString()),
    });
    return QApplication::exec();
}
