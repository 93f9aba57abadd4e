// A document and the documents it holds: an archive's members, an e-mail's
// attachments, each recognised by its content and read in turn, depth
// first, with every cap a hostile container calls for.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/ReadOptions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

// What is followed into containers.
inline constexpr int kMaxContainerDepth = 4;         // containers inside the document, at most
inline constexpr std::size_t kMaxMembers = 100000;   // members read of one container
inline constexpr std::uint64_t kMaxExpansion = 200;  // bytes inflated / bytes of the outer file
// What any container may inflate whatever its size: small archives of a few
// large text files are common, and this much is read in well under a second.
inline constexpr std::uint64_t kMinExpansionBytes = 64ull << 20;
inline constexpr int kContainerBudgetFactor = 10;  // a container's budget / one document's

struct DocumentTree {
    std::string text;                  // the outer document's own text
    std::vector<InnerDocument> inner;  // what it holds, depth first
};

// Reads `data` and, when it is a container, its members and theirs. A
// member that cannot be read is an InnerDocument that says why; one that is
// no document at all (a picture, a program) is passed over. A cap reached
// in a container is reported as an InnerDocument named after the container
// ("" for the outer document). Throws EngineError when the outer document
// itself cannot be read.
DocumentTree readDocumentTree(std::string_view data, const ReadOptions& options);

}  // namespace harvelux::wordproc
