#include "results/ResultsIcons.h"

#include <QFile>
#include <QIcon>
#include <QString>

namespace harvelux::results {

QIcon resultsCommandIcon(int id) {
    const QString path = QStringLiteral(":/results/icons/%1.svg").arg(id);
    if (!QFile::exists(path)) return QIcon();
    return QIcon(path);
}

}  // namespace harvelux::results
