// The platform seam on Qt: QMessageBox, QFileDialog, QDesktopServices,
// QClipboard and QCoreApplication::processEvents.
#pragma once

#include "platform/Platform.h"
#include "platform/Pointer.h"

#include <QPointer>

class QWidget;

namespace harvelux::platform {

class QtPlatform final : public Platform {
public:
    // Dialogs and message boxes are centred on this window when it is set.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;
    std::vector<std::string> openFilesDialog(const std::string& title, const std::vector<FileFilter>& filters) override;
    std::string folderDialog(const std::string& prompt) override;
    std::string saveDialog(const std::string& title, const std::vector<FileFilter>& filters) override;
    bool shellOpen(const std::string& target) override;
    void setClipboardText(const std::string& text) override;
    void processEvents() override;

private:
    QPointer<QWidget> parent_;
};

// The mouse pointer of a Qt window: the hourglass is Qt::WaitCursor.
class WidgetPointer final : public Pointer {
public:
    explicit WidgetPointer(QWidget* window) : window_(window) {}
    void set(PointerShape shape) override;
    PointerShape current() const override;

private:
    QPointer<QWidget> window_;
};

}  // namespace harvelux::platform
