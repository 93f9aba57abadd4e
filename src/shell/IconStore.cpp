#include "shell/IconStore.h"

#include "shell/CommandIds.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace harvelux::shell {

namespace {

bool isToolbarCommand(int id) { return id >= command::kAddFiles && id <= command::kLoadSamples; }

// Renders the SVG at `size` pixels, and at twice that for high-density screens.
void addRendering(QIcon& icon, QSvgRenderer& renderer, int size) {
    for (const int scale : {1, 2}) {
        QPixmap pixmap(size * scale, size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
}

QIcon iconFromResource(const QString& path, std::initializer_list<int> sizes) {
    if (!QFile::exists(path)) return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (const int size : sizes) addRendering(icon, renderer, size);
    return icon;
}

}  // namespace

QIcon commandIcon(int id) {
    if (isToolbarCommand(id))
        return iconFromResource(QStringLiteral(":/icons/toolbar/%1.svg").arg(id), {kToolbarIconSize});
    return iconFromResource(QStringLiteral(":/icons/menu/%1.svg").arg(id), {kMenuIconSize});
}

QIcon stopIcon(int size) {
    if (size == kToolbarIconSize) return iconFromResource(QStringLiteral(":/icons/toolbar/stop.svg"), {size});
    return iconFromResource(QStringLiteral(":/icons/menu/stop.svg"), {size});
}

QIcon applicationIcon() {
    // Rendered once, on the first call (which comes after the application
    // object exists, as pixmaps need); both windows share it.
    static const QIcon icon = iconFromResource(QStringLiteral(":/icons/harvelux.svg"), {16, 24, 32, 48, 64, 128, 256});
    return icon;
}

}  // namespace harvelux::shell
