// A container's members, as its reader hands them to the engine: each is
// then recognised by its content and read as a document of its own (an
// archive's files, an e-mail's attachments, an object embedded in a
// document).
#pragma once

#include "wordproc/UnreadableReason.h"

#include <cstdint>
#include <limits>
#include <string>

namespace harvelux::wordproc {

class MemberSink {
public:
    virtual ~MemberSink() = default;
    // A member to read as a document: `name` is its path inside the
    // container ("letters/a.docx", an attachment's file name), `bytes` its
    // content. False when the container's caps are reached: list no more.
    virtual bool add(std::string name, std::string bytes) = 0;
    // A member that could not be taken out, and why.
    virtual void unreadable(std::string name, UnreadableReason reason) = 0;
    // The most bytes the next member may have: a reader stops inflating a
    // member beyond this and reports it as ExpandsTooFar instead.
    virtual std::uint64_t roomLeft() const { return std::numeric_limits<std::uint64_t>::max(); }
};

}  // namespace harvelux::wordproc
