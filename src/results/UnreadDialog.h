// The list of what a run could not read: each document with its reason in
// words, "Copy List" (to the clipboard, one "path<TAB>reason" line each) and
// "Close". It does not block the results window.
#pragma once

#include "extract/RunSummary.h"
#include "platform/Platform.h"

#include <QDialog>

#include <string>
#include <vector>

class QTreeWidget;

namespace harvelux::results {

inline constexpr const char* kUnreadDialogTitle = "Could Not Be Read";
inline constexpr const char* kUnreadDialogIntro = "These documents could not be read, so no addresses came from them:";

// The list as "Copy List" copies it.
std::string unreadListText(const std::vector<extract::UnreadEntry>& entries);

class UnreadDialog final : public QDialog {
    Q_OBJECT
public:
    // `platform` must outlive the dialog.
    UnreadDialog(std::vector<extract::UnreadEntry> entries, platform::Platform& platform, QWidget* parent);

    QTreeWidget& list() const { return *list_; }
    void copyList();

private:
    std::vector<extract::UnreadEntry> entries_;
    platform::Platform& platform_;
    QTreeWidget* list_;
};

}  // namespace harvelux::results
