#include "wordproc/text/OtherStories.h"

#include "wordproc/text/AsciiText.h"
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

namespace {

// The longest link text taken as a name, in bytes.
constexpr std::size_t kMaxLinkNameBytes = 128;

// The link's text on one line, or "" when it cannot be a name: an address
// written as the link's text, or anything with brackets or beyond the cap.
std::string linkName(std::string_view text) {
    std::string name;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\a') {
            space = !name.empty();
            continue;
        }
        if (c == '@' || c == '<' || c == '>' || static_cast<unsigned char>(c) < 0x20) return {};
        if (c == '"') continue;  // the name is written in quotes
        if (space) name += ' ';
        space = false;
        name += c;
        if (name.size() > kMaxLinkNameBytes) return {};
    }
    return name;
}

}  // namespace

bool OtherStories::isMailtoLink(std::string_view uri) {
    return startsWithNoCase(trimmed(uri, kAsciiWhiteSpace), "mailto:");
}

void OtherStories::addLink(std::string_view uri, std::string_view text) {
    std::vector<std::string> addresses = mailtoAddresses(uri);
    // A text over several addresses names none of them.
    const std::string name = addresses.size() == 1 ? linkName(text) : std::string();
    for (std::string& address : addresses) {
        const auto seen = seenLinks_.find(address);
        if (seen != seenLinks_.end()) {
            // The first link with a text names the address.
            Link& link = links_[seen->second];
            if (link.name.empty() && !name.empty() && bytes_ + name.size() + 5 <= kMaxTextBytes) {
                bytes_ += name.size() + 5;
                link.name = name;
            }
            continue;
        }
        const std::size_t named = name.empty() ? 0 : name.size() + 5;
        if (bytes_ + address.size() + 1 + named > kMaxTextBytes) return;
        bytes_ += address.size() + 1 + named;
        seenLinks_.emplace(address, links_.size());
        links_.push_back({std::move(address), name});
    }
}

void OtherStories::addFieldCode(std::string_view code, std::string_view result) {
    const std::string target = hyperlinkFieldTarget(code);
    if (!target.empty()) addLink(target, result);
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
    for (const Link& link : links_) {
        if (!link.name.empty()) main += '"' + link.name + "\" <";
        main += link.address;
        if (!link.name.empty()) main += '>';
        main += '\r';
    }
    return main;
}

}  // namespace harvelux::wordproc
