// The platform seam for a program without windows: messages go to standard
// error, questions are answered Yes, dialogs are cancelled and there is no
// window message to process.
#pragma once

#include "cli/TerminalText.h"
#include "platform/Platform.h"

#include <iostream>

namespace harvelux::cli {

class ConsolePlatform final : public platform::Platform {
public:
    platform::Answer messageBox(const std::string& text, platform::Buttons buttons, platform::Icon,
                                const std::string& title) override {
        // One line per line of the message; any other control character
        // (from a file name in it, say) is shown escaped.
        std::string shown;
        std::size_t start = 0;
        while (true) {
            const std::size_t end = text.find('\r', start);
            shown += escapeControls(std::string_view(text).substr(start, end - start));
            if (end == std::string::npos) break;
            shown += '\n';
            start = end + 1;
        }
        std::cerr << "harvelux-extract: " << title << ": " << shown << '\n';
        return buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }
    std::vector<std::string> openFilesDialog(const std::string&, const std::vector<platform::FileFilter>&) override {
        return {};
    }
    std::string folderDialog(const std::string&) override { return {}; }
    std::string saveDialog(const std::string&, const std::vector<platform::FileFilter>&) override { return {}; }
    bool shellOpen(const std::string&) override { return false; }
    void setClipboardText(const std::string&) override {}
    void processEvents() override {}
};

}  // namespace harvelux::cli
