// The open-files dialog: many files at once, and names typed into its name
// field are taken as typed, whether such a file exists or not (several names
// in double quotes: "a.doc" "b.doc"). Qt's own dialog in "existing files"
// mode refuses a typed name that does not exist (and, typed beside existing
// ones, drops it), and its "any file" mode gives only one name; so this
// dialog takes the typed names itself when some do not exist, and leaves
// everything else (existing files, entering a typed folder, "..") to Qt.
//
// It is always Qt's own dialog, not the desktop's native one: a native
// dialog answers for itself and would refuse such names again.
#pragma once

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace harvelux::platform {

// A name typed into a file dialog's name field, as a full path: relative to
// the folder shown, "~" for the home folder.
QString typedPath(const QDir& folder, QString name);

// Keeps the dialog's accept button enabled while the name field holds text
// that `takesTyped` accepts as typed: Qt's own dialog greys it out for names
// that do not exist, though pressing Enter still answers.
template <typename TakesTyped>
void keepAcceptEnabledFor(QFileDialog& dialog, TakesTyped takesTyped) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!field || !buttons) return;
    // Connected after Qt's own handler, so it runs after it.
    QObject::connect(field, &QLineEdit::textChanged, &dialog, [buttons, takesTyped](const QString& text) {
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Open); accept && takesTyped(text))
            accept->setEnabled(true);
    });
}

class OpenFilesDialog final : public QFileDialog {
    Q_OBJECT
public:
    OpenFilesDialog(QWidget* parent, const QString& title, const QString& filters);

    // The chosen files as full paths, in the order given, once accepted.
    QStringList chosenFiles() const;

    void accept() override;

private:
    QStringList typedNames() const;

    QStringList typed_;
};

}  // namespace harvelux::platform
