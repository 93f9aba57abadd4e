#include "shell/ApplySkin.h"

#include "ui/SetFormBackColors.h"

#include <QFile>
#include <QWidget>

#include <filesystem>
#include <system_error>

namespace harvelux::shell {

namespace {

// A style sheet is a few kilobytes; anything far larger is not one, and is
// not read into memory.
constexpr qint64 kMaxSkinBytes = 4 * 1024 * 1024;

}  // namespace

std::string skinPath(const std::string& programFolder) { return programFolder + "/x/o.cjs"; }

bool ApplySkin(QWidget& window, const std::string& programFolder) {
    const std::string path = skinPath(programFolder);
    std::error_code error;
    // Folders, FIFOs, sockets and devices of that name are no skin.
    if (!std::filesystem::is_regular_file(path, error)) return false;

    SetFormBackColors(window);

    QFile file(QString::fromStdString(path));
    if (file.size() > kMaxSkinBytes || !file.open(QIODevice::ReadOnly)) return true;
    window.setStyleSheet(QString::fromUtf8(file.readAll()));
    return true;
}

}  // namespace harvelux::shell
