#include "platform/QtPlatform.h"

#include "platform/FolderDialog.h"
#include "platform/OpenFilesDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace harvelux::platform {

namespace {

// How long the desktop's opener is given to say it cannot open a target.
constexpr int kOpenerAnswerMs = 2000;

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
    // A message that names an address or a path lets the user copy it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

bool QtPlatform::shellOpen(const std::string& target) {
    const QString t = toQ(target);
    const bool local = t.startsWith(QLatin1Char('/'));
    if (local && !QFileInfo::exists(t)) return false;
    const QUrl url = local ? QUrl::fromLocalFile(t) : QUrl(t);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    // xdg-open says within moments when the desktop has nothing to open the
    // target with; one still running by then has started a program (which
    // may keep it waiting) and is left to finish on its own.
    auto* process = new QProcess(qApp);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted(kOpenerAnswerMs)) {
        process->deleteLater();
        return false;
    }
    if (!process->waitForFinished(kOpenerAnswerMs)) return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
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
