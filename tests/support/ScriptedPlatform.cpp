#include "ScriptedPlatform.h"

namespace harvelux::platform {

namespace {
template <typename T>
T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
}  // namespace

Answer ScriptedPlatform::messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
    messages.push_back({text, buttons, icon, title});
    const Answer fallback = buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    return takeFront(answers, fallback);
}

std::vector<std::string> ScriptedPlatform::openFilesDialog(const std::string& title, const std::vector<FileFilter>&) {
    dialogTitles.push_back(title);
    return takeFront(openFilesAnswers, std::vector<std::string>{});
}

std::string ScriptedPlatform::folderDialog(const std::string& prompt) {
    dialogTitles.push_back(prompt);
    return takeFront(folderAnswers, std::string{});
}

std::string ScriptedPlatform::saveDialog(const std::string& title, const std::vector<FileFilter>&) {
    dialogTitles.push_back(title);
    return takeFront(saveAnswers, std::string{});
}

bool ScriptedPlatform::shellOpen(const std::string& target) {
    shellTargets.push_back(target);
    return shellOpens;
}

void ScriptedPlatform::setClipboardText(const std::string& text) { clipboardWrites.push_back(text); }

void ScriptedPlatform::processEvents() {
    ++pumpCount;
    if (onPump) onPump();
}

std::vector<std::string> ScriptedPlatform::messageTexts() const {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace harvelux::platform
