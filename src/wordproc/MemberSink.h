// A container's members, as its reader hands them to the engine: each is
// then recognised by its content and read as a document of its own (an
// archive's files, an e-mail's attachments, an object embedded in a
// document).
#pragma once

#include "wordproc/UnreadableReason.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// A ZIP entry's data as it lies in the archive, with what its directory
// says it inflates to.
struct CompressedMember {
    std::string_view bytes;
    std::uint16_t method = 0;  // 0 stored, 8 deflate
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

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
    // Whether the sink inflates members itself (addCompressed), so that a
    // thread other than the lister's may do it; `member.size` is then known
    // to fit roomLeft().
    virtual bool takesCompressed() const { return false; }
    virtual bool addCompressed(std::string name, const CompressedMember& member) {
        static_cast<void>(name);
        static_cast<void>(member);
        return false;
    }
};

}  // namespace harvelux::wordproc
