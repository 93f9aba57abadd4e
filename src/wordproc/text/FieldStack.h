// The open fields of a story while it is read in order. A field is begin,
// code, separator, result, end; a field without a separator is all code.
// Fields nest inside codes and results alike, up to kMaxNesting deep.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/text/ReaderCaps.h"

#include <cstddef>
#include <vector>

namespace harvelux::wordproc {

class FieldStack {
public:
    void begin() {
        if (fields_.size() >= kMaxNesting) throw EngineError("fields nest too deeply");
        fields_.push_back(true);
        ++codeDepth_;
    }
    void separate() {
        if (!fields_.empty() && fields_.back()) {
            fields_.back() = false;
            --codeDepth_;
        }
    }
    void end() {
        if (fields_.empty()) return;
        if (fields_.back()) --codeDepth_;
        fields_.pop_back();
    }
    // True while the text read belongs to some field's code.
    bool inCode() const { return codeDepth_ > 0; }

private:
    std::vector<bool> fields_;  // per open field: true while in its code
    std::size_t codeDepth_ = 0;
};

}  // namespace harvelux::wordproc
