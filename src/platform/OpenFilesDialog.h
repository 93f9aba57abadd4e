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

#include <QFileDialog>

namespace harvelux::platform {

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
