#include "wordproc/legacy/LegacyTextSink.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/text/ReaderCaps.h"

namespace harvelux::wordproc {

namespace {

bool propertyIs(const librevenge::RVNGPropertyList& properties, const char* name, const char* value) {
    const librevenge::RVNGProperty* property = properties[name];
    return property && property->getStr() == value;
}

}  // namespace

template <typename Step>
void LegacyTextSink::guarded(Step step) noexcept {
    if (failure_) return;
    try {
        step();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

void LegacyTextSink::rethrow() const {
    if (failure_) std::rethrow_exception(failure_);
}

std::string LegacyTextSink::takeOthers() {
    std::string others = others_.take();
    others += links_;
    return others;
}

void LegacyTextSink::append(char32_t c) {
    guarded([&] { out().append(c); });
}

void LegacyTextSink::insertText(const librevenge::RVNGString& text) {
    guarded([&] { out().append(std::string_view(text.cstr(), text.size())); });
}

void LegacyTextSink::startParagraph(const librevenge::RVNGPropertyList& properties) {
    guarded([&] {
        TextBuilder& text = out();
        if (text.text().empty()) return;  // a break before the first paragraph breaks nothing
        if (propertyIs(properties, "fo:break-before", "page")) text.append(chars::kPageBreak);
        if (propertyIs(properties, "fo:break-before", "column")) text.append(chars::kColumnBreak);
    });
}

void LegacyTextSink::endParagraph() { append(chars::kParagraph); }

void LegacyTextSink::openLink(const librevenge::RVNGPropertyList& properties) {
    guarded([&] {
        const librevenge::RVNGProperty* target = properties["xlink:href"];
        if (!target) return;
        const librevenge::RVNGString value = target->getStr();
        const std::string_view href(value.cstr(), value.size());
        if (href.substr(0, 7) != "mailto:") return;
        if (links_.size() + href.size() > kMaxTextBytes) throw EngineError("the document holds too much text");
        links_.append(href);
        links_ += '\r';
    });
}

void LegacyTextSink::openTableCell(const librevenge::RVNGPropertyList&) {
    guarded([&] {
        if (cells_.size() >= kMaxNesting) throw EngineError("the document's tables nest too deeply");
        cells_.push_back(out().text().size());
    });
}

void LegacyTextSink::closeTableCell() {
    guarded([&] {
        if (cells_.empty()) return;
        const std::size_t start = cells_.back();
        cells_.pop_back();
        out().endCell(start);
    });
}

void LegacyTextSink::closeTableRow() {
    guarded([&] { out().appendCellMark(); });
}

void LegacyTextSink::openSideStory(bool noteReference) {
    guarded([&] {
        if (sideDepth_ >= kMaxNesting) throw EngineError("the document's notes nest too deeply");
        if (noteReference) out().append(char32_t{0x02});
        ++sideDepth_;
    });
}

void LegacyTextSink::closeSideStory() {
    guarded([&] {
        if (sideDepth_ == 0) return;
        --sideDepth_;
        if (sideDepth_ == 0 && !others_.text().empty() && !others_.endsWith('\r') && !others_.endsWith('\a')) {
            others_.append(chars::kParagraph);
        }
    });
}

}  // namespace harvelux::wordproc
