// A container's members, as its reader hands them to the engine: each is
// then recognised by its content and read as a document of its own (an
// archive's files, an e-mail's attachments, an object embedded in a
// document).
#pragma once

#include "wordproc/UnreadableReason.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// A member whose bytes are taken out of its container by whichever thread
// reads it (an archive's member inflated there), so that one thread listing
// a large archive does not do all of its inflating.
struct DeferredMember {
    std::string name;
    std::uint64_t size = 0;   // the bytes it has once taken out
    std::string head;         // its first bytes (at most kDeferredHeadBytes), which tell what it is
    std::string_view source;  // what it is taken out of, inside the container's bytes
    // The member's bytes out of `source` (or out of a copy of it), nullopt
    // when they cannot be taken out (damaged). Run on any thread.
    std::function<std::optional<std::string>(std::string_view source)> take;
};

inline constexpr std::size_t kDeferredHeadBytes = 512;

class MemberSink {
public:
    virtual ~MemberSink() = default;
    // A member to read as a document: `name` is its path inside the
    // container ("letters/a.docx", an attachment's file name), `bytes` its
    // content. False when the container's caps are reached: list no more.
    virtual bool add(std::string name, std::string bytes) = 0;
    // As add, for a member taken out later; by default it is taken out at once.
    virtual bool addDeferred(DeferredMember member) {
        std::optional<std::string> bytes = member.take(member.source);
        if (!bytes) {
            unreadable(std::move(member.name), UnreadableReason::Damaged);
            return true;
        }
        return add(std::move(member.name), std::move(*bytes));
    }
    // A member that could not be taken out, and why.
    virtual void unreadable(std::string name, UnreadableReason reason) = 0;
    // The most bytes the next member may have: a reader stops inflating a
    // member beyond this and reports it as ExpandsTooFar instead.
    virtual std::uint64_t roomLeft() const { return std::numeric_limits<std::uint64_t>::max(); }
};

}  // namespace harvelux::wordproc
