// The desktop program: the main window over the real platform, the document
// engine and the results window.
#include "common/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "shell/Form1.h"
#include "shell/IconStore.h"
#include "shell/InterimResultsWindow.h"
#include "wordproc/DocumentEngine.h"
#include "wordproc/RunningWordProcessor.h"

#include <QApplication>
#include <QCheckBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(harvelux::shell::applicationIcon());

    harvelux::platform::QtPlatform platform;
    harvelux::wordproc::DocumentEngineFactory engine;
    harvelux::shell::InterimResultsWindow results;
    harvelux::shell::Form1 form({
        platform,
        results,
        harvelux::programFolder(),
        engine,
        [] { return harvelux::wordproc::isDesktopWordProcessorRunning(); },
        [] { QCoreApplication::exit(0); },
    });
    platform.setDialogParent(&form);
    form.Form_Load();

    // The results list follows the option.
    QCheckBox& option = form.Check1();
    results.setFilenameColumns(option.isChecked());
    QObject::connect(&option, &QCheckBox::toggled, &results,
                     [&results](bool checked) { results.setFilenameColumns(checked); });
    results.setBackTarget([&form] { form.show(); });

    form.show();
    return QApplication::exec();
}
