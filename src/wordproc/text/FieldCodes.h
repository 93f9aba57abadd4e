// Keeps the instructions of a story's fields while it is read in order, and
// hands each complete instruction to OtherStories (which keeps the targets
// of mailto: hyperlinks); a HYPERLINK field's result, when the reader hands
// it over, follows at the field's end as the link's text. Follows the same
// begin / separate / end calls as FieldStack; fields nest.
#pragma once

#include "wordproc/text/MailtoLinks.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/ReaderCaps.h"

#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class FieldCodes {
public:
    // Without a sink every call does nothing.
    explicit FieldCodes(OtherStories* sink) : sink_(sink) {}

    void begin() {
        if (!sink_ || open_.size() >= kMaxNesting) return;
        open_.push_back({std::string(), true, std::string(), false});
    }
    void separate() {
        if (!sink_ || open_.empty() || !open_.back().inCode) return;
        open_.back().inCode = false;
        finish(open_.back());
    }
    void end() {
        if (!sink_ || open_.empty()) return;
        Field& field = open_.back();
        if (field.inCode) {
            finish(field);
        } else if (field.link && !field.result.empty()) {
            // The target is kept already; now it has its text.
            sink_->addFieldCode(field.code, field.result);
        }
        const std::string result = std::move(field.result);
        open_.pop_back();
        // A field inside another's result is part of that result.
        this->result(result);
    }
    // Text of the innermost field's result (what the document shows).
    void result(std::string_view utf8) {
        if (!sink_ || open_.empty() || open_.back().inCode || !open_.back().link) return;
        std::string& text = open_.back().result;
        if (text.size() < OtherStories::kLinkTextBytes)
            text.append(utf8.substr(0, OtherStories::kLinkTextBytes - text.size()));
    }
    // Text of the story; kept when it belongs to the innermost field's code.
    void text(std::string_view utf8) {
        if (!sink_ || open_.empty() || !open_.back().inCode) return;
        std::string& code = open_.back().code;
        if (code.size() < kMaxCodeBytes) code.append(utf8.substr(0, kMaxCodeBytes - code.size()));
    }
    bool recording() const { return sink_ != nullptr; }
    // Whether a HYPERLINK field's result is being read.
    bool inLinkResult() const { return sink_ && !open_.empty() && !open_.back().inCode && open_.back().link; }

private:
    static constexpr std::size_t kMaxCodeBytes = 4096;
    struct Field {
        std::string code;
        bool inCode;
        std::string result;
        bool link = false;  // a HYPERLINK field: its result is its text
    };
    void finish(Field& field) {
        sink_->addFieldCode(field.code);
        field.link = !hyperlinkFieldTarget(field.code).empty();
        if (!field.link) field.code.clear();
    }
    OtherStories* sink_;
    std::vector<Field> open_;
};

}  // namespace harvelux::wordproc
