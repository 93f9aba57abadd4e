// The one seam between the program and everything that waits on the user or
// touches the desktop: message boxes, file and folder dialogs, the desktop
// shell, the clipboard, the window-message pump and the mouse pointer.
//
// Texts and paths cross the seam as UTF-8. The Qt implementation lives in
// QtPlatform; tests use ScriptedPlatform, which records every call and returns
// prepared answers, so no test ever opens a real modal dialog.
#pragma once

#include <string>
#include <vector>

namespace harvelux::platform {

// YesNo has Yes as its default button; YesNoDefaultNo has No.
enum class Buttons { Ok, YesNo, YesNoDefaultNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

// A file-dialog filter: what the user sees and the patterns it stands for.
struct FileFilter {
    std::string label;     // "Text Files (*.txt)"
    std::string patterns;  // "*.txt"
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal message box and returns the button the user chose.
    virtual Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) = 0;

    // Multi-select open dialog; an empty list when cancelled.
    virtual std::vector<std::string> openFilesDialog(const std::string& title,
                                                     const std::vector<FileFilter>& filters) = 0;

    // Folder chooser; "" when cancelled.
    virtual std::string folderDialog(const std::string& prompt) = 0;

    // Save dialog without an overwrite prompt and without a default suffix;
    // "" when cancelled.
    virtual std::string saveDialog(const std::string& title, const std::vector<FileFilter>& filters) = 0;

    // Opens a web address ("https://...") or a local file or folder (an
    // absolute path) in the desktop shell. False when it could not be opened:
    // a missing file or folder, nothing on the desktop to open it with.
    virtual bool shellOpen(const std::string& target) = 0;

    // Replaces the clipboard's contents with plain text.
    virtual void setClipboardText(const std::string& text) = 0;

    // Lets pending window messages be processed once.
    virtual void processEvents() = 0;
};

// The application title, and the title of every message box that names none.
inline constexpr const char* kApplicationTitle = "Harvelux";

// Convenience for the common case: OK button, no icon, application title.
inline void showMessage(Platform& platform, const std::string& text) {
    platform.messageBox(text, Buttons::Ok, Icon::None, kApplicationTitle);
}

// Yes/No question, no icon, application title; true when the answer is Yes.
inline bool askYesNo(Platform& platform, const std::string& text) {
    return platform.messageBox(text, Buttons::YesNo, Icon::None, kApplicationTitle) == Answer::Yes;
}

}  // namespace harvelux::platform
