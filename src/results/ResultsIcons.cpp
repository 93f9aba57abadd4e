#include "results/ResultsIcons.h"

#include <QFile>
#include <QIcon>
#include <QString>

// The icons live in a resource of a static library, whose registration the
// linker would drop unless something refers to it.
static void registerResultsIcons() { Q_INIT_RESOURCE(results_icons); }

namespace harvelux::results {

QIcon resultsCommandIcon(int id) {
    static const bool registered = (registerResultsIcons(), true);
    (void)registered;
    const QString path = QStringLiteral(":/results/icons/%1.svg").arg(id);
    if (!QFile::exists(path)) return QIcon();
    return QIcon(path);
}

}  // namespace harvelux::results
