// Test double of the platform seam: records every call in order and answers
// from queues the test prepares. An empty answer queue gives the "cancel"
// answer (No, empty list, empty path), so a forgotten script never blocks.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace harvelux::platform {

class ScriptedPlatform final : public Platform {
public:
    struct MessageCall {
        std::string text;
        Buttons buttons;
        Icon icon;
        std::string title;
    };

    // Prepared answers, taken from the front.
    std::deque<Answer> answers;
    std::deque<std::vector<std::string>> openFilesAnswers;
    std::deque<std::string> folderAnswers;
    std::deque<std::string> saveAnswers;
    // Whether the desktop opens what it is asked to.
    bool shellOpens = true;

    // What happened.
    std::vector<MessageCall> messages;
    std::vector<std::string> dialogTitles;  // open, folder and save dialogs, in call order
    std::vector<std::string> shellTargets;
    std::vector<std::string> clipboardWrites;
    int pumpCount = 0;

    // Runs on every processEvents(), so a test can act "during" long work.
    std::function<void()> onPump;

    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;
    std::vector<std::string> openFilesDialog(const std::string& title, const std::vector<FileFilter>& filters) override;
    std::string folderDialog(const std::string& prompt) override;
    std::string saveDialog(const std::string& title, const std::vector<FileFilter>& filters) override;
    bool shellOpen(const std::string& target) override;
    void setClipboardText(const std::string& text) override;
    void processEvents() override;

    // The clipboard as the last write left it (empty when never written).
    std::string clipboard() const { return clipboardWrites.empty() ? std::string() : clipboardWrites.back(); }
    std::vector<std::string> messageTexts() const;
};

}  // namespace harvelux::platform
