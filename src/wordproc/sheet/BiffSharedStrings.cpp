#include "wordproc/sheet/BiffSharedStrings.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>

namespace harvelux::wordproc::biff {

namespace {
constexpr std::size_t kSmallestString = 3;  // a count and a flags byte, no characters
}  // namespace

void SharedStrings::read(std::vector<std::string_view> segments, StringReader& strings) {
    text_.clear();
    ends_.clear();
    ContinuedBytes bytes(std::move(segments));
    const std::size_t limit = TextLimitScope::current();
    try {
        bytes.skip(4);  // the count of cells that use the strings
        const std::uint32_t count = bytes.u32();
        ends_.reserve(std::min<std::size_t>(count, bytes.remaining() / kSmallestString));
        for (std::uint32_t i = 0; i < count && !bytes.atEnd(); ++i) {
            WorkBudget::charge();
            strings.readString16(bytes, text_);
            ends_.push_back(text_.size());
            if (text_.size() > limit)
                throw EngineError("the shared strings exceed the text limit", UnreadableReason::TooLarge);
        }
    } catch (const EngineError& error) {
        if (error.reason() == UnreadableReason::TooLarge) throw;
        // A string cut short by the damage is kept as far as it was read.
        if (ends_.empty() || ends_.back() != text_.size()) ends_.push_back(text_.size());
    }
}

std::string_view SharedStrings::at(std::size_t index) const {
    if (index >= ends_.size()) return {};
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

}  // namespace harvelux::wordproc::biff
