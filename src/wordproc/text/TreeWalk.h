// Depth-first walk of a document tree on an explicit stack, so that a
// deeply nested document cannot exhaust the call stack. Each frame keeps
// the next child to visit; a frame whose children are done is popped and
// handed to `leave`.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/ReaderCaps.h"

#include <vector>

namespace harvelux::wordproc {

// Frame: a struct whose member `next` is the next node to visit (false or
// null when there is none). `nextSibling(node)` gives the node after it;
// `enter(node)` may push frames with pushFrame.
template <typename Frame, typename NextSibling, typename Enter, typename Leave>
void walkTree(std::vector<Frame>& stack, NextSibling nextSibling, Enter enter, Leave leave) {
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (!top.next) {
            const Frame done = top;
            stack.pop_back();
            leave(done);
            continue;
        }
        WorkBudget::charge();
        const auto node = top.next;
        top.next = nextSibling(node);
        enter(node);
    }
}

// Pushes a frame; throws EngineError beyond the nesting cap.
template <typename Frame>
void pushFrame(std::vector<Frame>& stack, Frame frame) {
    if (stack.size() >= kMaxNesting) throw EngineError("the document nests too deeply");
    stack.push_back(std::move(frame));
}

}  // namespace harvelux::wordproc
