// The folder dialog: Qt's own, as the open-files dialog is, so that a
// folder whose name is not valid UTF-8 can be typed as the file list shows
// it ("report?") or with U+FFFD: Qt leaves such folders out of its listing
// and refuses a typed folder that does not exist. Such a name is taken as
// typed, and the file list finds the folder on disk that shows so.
#pragma once

#include <QFileDialog>

namespace harvelux::platform {

class FolderDialog final : public QFileDialog {
public:
    FolderDialog(QWidget* parent, const QString& title);

    // The chosen folder as a full path, once accepted.
    QString chosenFolder() const;

    void accept() override;

private:
    QString typed_;
};

}  // namespace harvelux::platform
