#include "shell/Form1Settings.h"

#include "common/Twips.h"

#include <QWidget>

#include <charconv>

namespace harvelux::shell {

int optionFromSetting(const std::string& text, int fallback) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end) return fallback;
    return value >= 0 && value <= 2 ? value : fallback;
}

void Check1_Click(SettingsStore& settings, results::ResultsWindowInterface& results, int value) {
    settings.write(kCheck1Key, std::to_string(value));
    // Any value but 0 is "set", as for the extraction run, so the columns
    // always match the rows the run adds.
    results.setFilenameColumns(value != 0);
}

void SaveFormPlacement(const QWidget& window, SettingsStore& settings) {
    if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QRect outer = window.frameGeometry();
    settings.write({{kLeftKey, std::to_string(pixelsToTwips(outer.x()))},
                    {kTopKey, std::to_string(pixelsToTwips(outer.y()))},
                    {kWidthKey, std::to_string(pixelsToTwips(outer.width()))},
                    {kHeightKey, std::to_string(pixelsToTwips(outer.height()))}});
}

}  // namespace harvelux::shell
