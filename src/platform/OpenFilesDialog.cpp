#include "platform/OpenFilesDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

namespace harvelux::platform {

QString typedPath(const QDir& folder, QString name) {
    if (name == QStringLiteral("~") || name.startsWith(QStringLiteral("~/"))) name = QDir::homePath() + name.mid(1);
    return QDir::cleanPath(folder.absoluteFilePath(name));
}

OpenFilesDialog::OpenFilesDialog(QWidget* parent, const QString& title, const QString& filters)
    : QFileDialog(parent, title, QString(), filters) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFiles);
    keepAcceptEnabledFor(*this, [](const QString& text) { return !text.trimmed().isEmpty(); });
}

QStringList OpenFilesDialog::chosenFiles() const { return typed_.isEmpty() ? selectedFiles() : typed_; }

QStringList OpenFilesDialog::typedNames() const {
    // The name field of Qt's own dialog; choosing files in the list writes
    // their names there too.
    const auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString text = field ? field->text() : QString();
    QStringList names;
    if (!text.contains(QLatin1Char('"'))) {
        if (!text.isEmpty()) names << text;
    } else {
        // "a.doc" "b.doc": every second piece between quotes is a name.
        const QStringList pieces = text.split(QLatin1Char('"'));
        for (qsizetype i = 1; i < pieces.size(); i += 2)
            if (!pieces[i].isEmpty()) names << pieces[i];
    }
    const QDir folder = directory();
    for (QString& name : names) name = typedPath(folder, name);
    return names;
}

void OpenFilesDialog::accept() {
    typed_.clear();
    const QStringList names = typedNames();
    const auto missing = [](const QString& file) { return !QFileInfo::exists(file); };
    const auto folder = [](const QString& file) { return QFileInfo(file).isDir(); };
    // Qt's own handling when every name exists (files to open or a folder to
    // enter), and whenever a folder is among them.
    if (names.isEmpty() || std::none_of(names.begin(), names.end(), missing) ||
        std::any_of(names.begin(), names.end(), folder)) {
        QFileDialog::accept();
        return;
    }
    typed_ = names;
    emit filesSelected(typed_);
    QDialog::accept();
}

}  // namespace harvelux::platform
