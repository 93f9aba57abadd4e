#include "wordproc/rtf/RtfObjects.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/rtf/RtfReader.h"
#include "wordproc/rtf/RtfTokenizer.h"
#include "wordproc/text/AsciiText.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

constexpr std::uint32_t kEmbedded = 2;  // the OLE 1 header's FormatID; 1 is a link

// A length-prefixed ANSI string at `at` (its length counts the NUL); `at`
// moves past it.
std::string_view prefixedString(std::string_view data, std::size_t& at, const char* what) {
    const std::uint32_t length = le32(data, at, what);
    const std::string_view text = sliceOf(data, at + 4, length, what);
    at += 4 + length;
    return text.substr(0, text.find('\0'));
}

// Collects the bytes of one \objdata group: hex digits in its text, \bin
// data as it is, at most `most` bytes.
class ObjectData {
public:
    explicit ObjectData(std::uint64_t most) : most_(most) {}

    // False once the object is larger than it may be.
    bool hex(std::string_view text) {
        for (const char c : text) {
            const int value = hexValue(c);
            if (value < 0) continue;  // spaces; anything else in the data is passed over
            if (high_ < 0) {
                high_ = value;
                continue;
            }
            if (!room(1)) return false;
            bytes_ += static_cast<char>(high_ * 16 + value);
            high_ = -1;
        }
        return true;
    }
    bool binary(std::string_view data) {
        if (!room(data.size())) return false;
        bytes_ += data;
        return true;
    }
    std::string take() { return std::move(bytes_); }

private:
    bool room(std::size_t more) const { return bytes_.size() + more <= most_; }

    std::string bytes_;
    std::uint64_t most_;
    int high_ = -1;
};

}  // namespace

std::optional<EmbeddedDocument> rtfObjectDocument(std::string_view objdata, std::string fallbackName) {
    std::size_t at = 4;  // OLEVersion
    if (le32(objdata, at, "an RTF object's kind") != kEmbedded) return std::nullopt;
    at += 4;
    const std::string_view className = prefixedString(objdata, at, "an RTF object's class name");
    prefixedString(objdata, at, "an RTF object's topic");
    prefixedString(objdata, at, "an RTF object's item");
    const std::uint32_t size = le32(objdata, at, "an RTF object's native data");
    const std::string_view native = sliceOf(objdata, at + 4, size, "an RTF object's native data");
    if (className == "Package") return oleNativePayload(native, false, std::move(fallbackName));
    return embeddedObjectDocument(std::string(native), std::move(fallbackName));
}

void listRtfObjects(std::string_view data, const ReadOptions& options, MemberSink& sink) {
    if (!options.allStories || !looksLikeRtf(data)) return;
    RtfTokenizer tokens(data);
    std::size_t depth = 0;
    std::size_t number = 0;
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        WorkBudget::charge();
        if (token.kind == RtfToken::Kind::GroupStart) ++depth;
        if (token.kind == RtfToken::Kind::GroupEnd && depth > 0) --depth;
        if (token.kind != RtfToken::Kind::ControlWord || token.word != "objdata") continue;
        // The object's bytes: the rest of its group. They may be no more
        // than the sink has room for, nor than a document's text.
        const std::string name = "object " + std::to_string(++number);
        ObjectData object(std::min<std::uint64_t>(sink.roomLeft(), kMaxTextBytes));
        const std::size_t inside = depth;
        bool fits = true;
        for (token = tokens.next(); token.kind != RtfToken::Kind::End && fits; token = tokens.next()) {
            WorkBudget::charge();
            if (token.kind == RtfToken::Kind::GroupStart) ++depth;
            if (token.kind == RtfToken::Kind::GroupEnd && --depth < inside) break;
            if (token.kind == RtfToken::Kind::Text) fits = object.hex(token.word);
            if (token.kind == RtfToken::Kind::Binary) fits = object.binary(token.word);
        }
        if (!fits) {
            sink.unreadable(name, UnreadableReason::ExpandsTooFar);
            return;
        }
        try {
            if (auto document = rtfObjectDocument(object.take(), name))
                if (!sink.add(std::move(document->name), std::move(document->bytes))) return;
        } catch (const EngineError& error) {
            sink.unreadable(name, error.reason());
        }
        if (token.kind == RtfToken::Kind::End) return;
    }
}

}  // namespace harvelux::wordproc
