#include "platform/QtPlatform.h"

#include "platform/FolderDialog.h"
#include "platform/OpenFilesDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace harvelux::platform {

namespace {

QString toQ(const std::string& s) { return QString::fromStdString(s); }

QString filterString(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const auto& f : filters) parts << toQ(f.label);
    return parts.join(QStringLiteral(";;"));
}

}  // namespace

Answer QtPlatform::messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, toQ(title), toQ(text),
                    QMessageBox::NoButton, parent_);
    if (buttons != Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::vector<std::string> QtPlatform::openFilesDialog(const std::string& title, const std::vector<FileFilter>& filters) {
    OpenFilesDialog dialog(parent_, toQ(title), filterString(filters));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.chosenFiles();
    std::vector<std::string> paths;
    paths.reserve(static_cast<size_t>(chosen.size()));
    for (const QString& p : chosen) paths.push_back(p.toStdString());
    return paths;
}

std::string QtPlatform::folderDialog(const std::string& prompt) {
    FolderDialog dialog(parent_, toQ(prompt));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosenFolder().toStdString();
}

std::string QtPlatform::saveDialog(const std::string& title, const std::vector<FileFilter>& filters) {
    return QFileDialog::getSaveFileName(parent_, toQ(title), QString(), filterString(filters), nullptr,
                                        QFileDialog::DontConfirmOverwrite)
        .toStdString();
}

void QtPlatform::shellOpen(const std::string& target) {
    const QString t = toQ(target);
    const QUrl url = t.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(t) : QUrl(t);
    QDesktopServices::openUrl(url);
}

void QtPlatform::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(toQ(text));
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

void WidgetPointer::set(PointerShape shape) {
    // A run sets the hourglass several times per document: setting what is
    // already set would only send the window another cursor-change event.
    if (!window_) return;
    if (shape == PointerShape::Hourglass) {
        if (current() != PointerShape::Hourglass) window_->setCursor(Qt::WaitCursor);
    } else if (window_->testAttribute(Qt::WA_SetCursor)) {
        window_->unsetCursor();
    }
}

PointerShape WidgetPointer::current() const {
    if (window_ && window_->testAttribute(Qt::WA_SetCursor) && window_->cursor().shape() == Qt::WaitCursor)
        return PointerShape::Hourglass;
    return PointerShape::Default;
}

}  // namespace harvelux::platform
