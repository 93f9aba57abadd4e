#include "common/ProgramFolder.h"

#include <QCoreApplication>

#include <filesystem>
#include <system_error>

namespace harvelux {

std::string programFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    // Without an application object (early start-up, plain tools) ask the kernel.
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

}  // namespace harvelux
