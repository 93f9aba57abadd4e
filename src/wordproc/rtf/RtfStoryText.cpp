#include "wordproc/rtf/RtfStoryText.h"

namespace harvelux::wordproc {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

void RtfStoryText::bytes(std::size_t story, int codePage, std::string_view bytes) {
    if (codePage != pendingCodePage_) flush(story);
    pendingCodePage_ = codePage;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') pendingBytes_ += c;
}

void RtfStoryText::flush(std::size_t story) {
    if (pendingBytes_.empty()) return;
    settleSurrogate(story);
    decoder_.decode(pendingCodePage_, pendingBytes_, texts_[story]);
    pendingBytes_.clear();
}

void RtfStoryText::unicode(std::size_t story, char32_t unit) {
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
        texts_[story].append(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
        highSurrogate_ = 0;
        return;
    }
    settleSurrogate(story);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit;
    } else if (unit >= 0x20 || unit == chars::kTab) {
        texts_[story].append(unit);
    }
}

void RtfStoryText::character(std::size_t story, char32_t c) {
    settleSurrogate(story);
    texts_[story].append(c);
}

void RtfStoryText::cellMark(std::size_t story) {
    settleSurrogate(story);
    texts_[story].appendCellMark();
}

void RtfStoryText::endStory(std::size_t story, OtherStories& stories) {
    flush(story);
    settleSurrogate(story);
    TextBuilder& text = texts_[story];
    if (story == kFieldCode) {
        lastFieldCode_ = text.take();
        stories.addFieldCode(lastFieldCode_);
    } else if (!text.text().empty() && !text.endsWith('\r')) {
        text.append(chars::kParagraph);
    }
}

std::size_t RtfStoryText::beginFieldResult(std::size_t story) {
    flush(story);
    return texts_[story].text().size();
}

void RtfStoryText::endFieldResult(std::size_t story, std::size_t start, OtherStories& stories) {
    flush(story);
    const std::string& text = texts_[story].text();
    if (lastFieldCode_.empty() || start > text.size()) return;
    stories.addFieldCode(lastFieldCode_, std::string_view(text).substr(start, OtherStories::kLinkTextBytes));
    lastFieldCode_.clear();
}

std::string RtfStoryText::finish(std::size_t story, OtherStories* stories) {
    settleSurrogate(story);
    // The last paragraph has its mark even when the writer left out the
    // final \par, and a table is always followed by a paragraph.
    TextBuilder& main = texts_[kMainStory];
    if (!main.text().empty() && !main.endsWith('\r')) main.append(chars::kParagraph);
    if (!stories) return main.take();
    for (std::size_t other = 1; other < kFieldCode; ++other)
        stories->add(static_cast<StoryKind>(other - 1), texts_[other].take());
    return stories->appendTo(main.take());
}

// A high surrogate not followed by its low half stands for nothing valid.
void RtfStoryText::settleSurrogate(std::size_t story) {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    texts_[story].append(kReplacement);
}

}  // namespace harvelux::wordproc
