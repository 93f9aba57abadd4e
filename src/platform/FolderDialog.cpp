#include "platform/FolderDialog.h"

#include "platform/OpenFilesDialog.h"

#include <QFileInfo>
#include <QLineEdit>

namespace harvelux::platform {

namespace {

bool mayStandForAnother(const QString& name) { return name.contains(QLatin1Char('?')) || name.contains(QChar(0xFFFD)); }

}  // namespace

FolderDialog::FolderDialog(QWidget* parent, const QString& title) : QFileDialog(parent, title) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    keepAcceptEnabledFor(*this, [](const QString& text) { return mayStandForAnother(text); });
}

QString FolderDialog::chosenFolder() const {
    if (!typed_.isEmpty()) return typed_;
    const QStringList selected = selectedFiles();
    return selected.isEmpty() ? QString() : selected.front();
}

void FolderDialog::accept() {
    typed_.clear();
    const auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString text = field ? field->text() : QString();
    // Only a missing name that may stand for one Qt cannot show is taken as
    // typed; any other missing folder gets Qt's own "not found".
    const QString path = text.isEmpty() ? QString() : typedPath(directory(), text);
    if (path.isEmpty() || !mayStandForAnother(text) || QFileInfo::exists(path)) {
        QFileDialog::accept();
        return;
    }
    typed_ = path;
    emit fileSelected(typed_);
    QDialog::accept();
}

}  // namespace harvelux::platform
