#include "wordproc/text/OtherStories.h"

#include "wordproc/text/MailtoLinks.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/StoryMarks.h"

namespace harvelux::wordproc {

void OtherStories::add(StoryKind kind, std::string_view text) {
    if (text.empty()) return;
    // Beyond the cap the rest is dropped: the main story and what fit are
    // still worth reading.
    if (bytes_ + text.size() + 1 > kMaxTextBytes) return;
    std::string& story = stories_[static_cast<std::size_t>(kind)];
    story.append(text);
    if (text.back() != '\r') story += '\r';
    bytes_ += text.size() + 1;
}

void OtherStories::addLink(std::string_view uri) {
    for (std::string& address : mailtoAddresses(uri)) {
        if (bytes_ + address.size() + 1 > kMaxTextBytes) return;
        if (!seenLinks_.insert(address).second) continue;
        bytes_ += address.size() + 1;
        links_.push_back(std::move(address));
    }
}

void OtherStories::addFieldCode(std::string_view code) {
    const std::string target = hyperlinkFieldTarget(code);
    if (!target.empty()) addLink(target);
}

std::string OtherStories::appendTo(std::string main) const {
    main.reserve(main.size() + bytes_ + 1);
    // The main story ends with its paragraph mark, as every story does, so
    // that its last word never runs into the next story's first.
    if (!main.empty() && main.back() != '\r' && bytes_ > 0) main += '\r';
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        if (stories_[kind].empty()) continue;
        markStory(main, static_cast<StoryKind>(kind));
        main += stories_[kind];
    }
    if (!links_.empty()) markStory(main, StoryKind::LinkTargets);
    for (const std::string& link : links_) {
        main += link;
        main += '\r';
    }
    return main;
}

}  // namespace harvelux::wordproc
