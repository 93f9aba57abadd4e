#include "wordproc/StoryKind.h"

#include <algorithm>
#include <array>

namespace harvelux::wordproc {

namespace {

constexpr std::array<std::string_view, kStoryKinds> kNames = {
    "footnote",  "endnote",     "comment",       "text box", "header or footer", "notes", "document properties",
    "main text", "link target", "e-mail header",
};

}  // namespace

StoryKind storyAt(const StorySpans& spans, std::size_t offset) {
    const auto after = std::upper_bound(spans.begin(), spans.end(), offset,
                                        [](std::size_t at, const StorySpan& span) { return at < span.begin; });
    if (after == spans.begin()) return StoryKind::Main;
    return std::prev(after)->kind;
}

std::string_view storyName(StoryKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kNames.size() ? kNames[index] : std::string_view("main text");
}

bool storyFromName(std::string_view name, StoryKind& kind) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] != name) continue;
        kind = static_cast<StoryKind>(i);
        return true;
    }
    return false;
}

StorySpans takeStoryMarks(std::string& text) {
    StorySpans spans;
    if (text.find("\xFF\xFE") == std::string::npos) return spans;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const bool mark = i + kStoryMarkBytes <= text.size() && text[i] == '\xFF' && text[i + 1] == '\xFE' &&
                          text[i + 2] >= '0' && text[i + 2] < static_cast<char>('0' + kStoryKinds);
        if (!mark) {
            out += text[i++];
            continue;
        }
        const auto kind = static_cast<StoryKind>(static_cast<std::size_t>(text[i + 2] - '0'));
        // A story with no text gives way to the one that follows it.
        if (!spans.empty() && spans.back().begin == out.size())
            spans.back().kind = kind;
        else
            spans.push_back({kind, out.size()});
        i += kStoryMarkBytes;
    }
    text = std::move(out);
    return spans;
}

}  // namespace harvelux::wordproc
