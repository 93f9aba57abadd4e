#include "wordproc/outlook/TnefReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/outlook/OutlookMessageText.h"
#include "wordproc/outlook/OutlookProperties.h"
#include "wordproc/text/ReaderCaps.h"

// libytnef's headers define BYTE, WORD and DWORD as macros (kept to this
// file) and do not declare C linkage themselves.
extern "C" {
#include <ytnef.h>
}

#include <cstdint>

namespace harvelux::wordproc {

namespace {

namespace tag = outlook_tag;

constexpr std::size_t kMaxAttachments = 100000;
constexpr unsigned kUnicode = 0x001F;
constexpr unsigned kString8 = 0x001E;
constexpr unsigned kBinary = 0x0102;

constexpr unsigned propertyTag(unsigned type, std::uint16_t id) { return (unsigned{id} << 16) | type; }

// A property of `props` with this tag, or null (the library answers
// "undefined" with an address of all ones).
variableLength* findProperty(MAPIProps& props, unsigned tagValue) {
    variableLength* value = MAPIFindProperty(&props, tagValue);
    // Compared as numbers: the library's "undefined" is no pointer to an object.
    return reinterpret_cast<std::uintptr_t>(value) == ~std::uintptr_t{0} ? nullptr : value;
}

// A parsed stream, freed with its parser's own function. The parser reads
// from a copy, since it takes its input as writable.
class ParsedTnef {
public:
    explicit ParsedTnef(std::string_view data) : copy_(data) {
        if (data.size() > kMaxFileBytes) throw EngineError("the TNEF stream is too large", UnreadableReason::TooLarge);
        TNEFInitialize(&tnef_);
        if (TNEFParseMemory(reinterpret_cast<unsigned char*>(copy_.data()), static_cast<long>(copy_.size()), &tnef_) !=
            0) {
            TNEFFree(&tnef_);
            throw EngineError("the TNEF stream cannot be read");
        }
    }
    ~ParsedTnef() { TNEFFree(&tnef_); }
    ParsedTnef(const ParsedTnef&) = delete;
    ParsedTnef& operator=(const ParsedTnef&) = delete;

    TNEFStruct& get() { return tnef_; }

private:
    std::string copy_;
    TNEFStruct tnef_{};
};

std::string bytesOf(const variableLength& value) {
    if (!value.data || value.size <= 0) return {};
    return std::string(reinterpret_cast<const char*>(value.data), static_cast<std::size_t>(value.size));
}

// A string property of `props` as UTF-8, or empty.
std::string textProperty(MAPIProps& props, std::uint16_t id) {
    if (variableLength* value = findProperty(props, propertyTag(kUnicode, id))) return utf16LeToUtf8(bytesOf(*value));
    if (variableLength* value = findProperty(props, propertyTag(kString8, id))) return eightBitToUtf8(bytesOf(*value));
    return {};
}

std::string binaryProperty(MAPIProps& props, std::uint16_t id) {
    if (variableLength* value = findProperty(props, propertyTag(kBinary, id))) return bytesOf(*value);
    return {};
}

std::string firstOf(const std::string& a, const std::string& b) { return a.empty() ? b : a; }

}  // namespace

bool looksLikeTnef(std::string_view data) { return data.starts_with("\x78\x9F\x3E\x22"); }

std::string readTnefText(std::string_view data, const ReadOptions& options) {
    ParsedTnef parsed(data);
    TNEFStruct& tnef = parsed.get();
    MAPIProps& props = tnef.MapiProperties;
    OutlookMessageParts parts;
    parts.people.emplace_back(
        textProperty(props, tag::kSenderName),
        firstOf(textProperty(props, tag::kSenderSmtpAddress), textProperty(props, tag::kSenderEmail)));
    parts.subject = firstOf(textProperty(props, tag::kSubject), eightBitToUtf8(bytesOf(tnef.subject)));
    parts.plainBody = firstOf(textProperty(props, tag::kBody), eightBitToUtf8(bytesOf(tnef.body)));
    parts.htmlBody = firstOf(binaryProperty(props, tag::kHtml), textProperty(props, tag::kHtml));
    parts.compressedRtf = binaryProperty(props, tag::kRtfCompressed);
    parts.transportHeaders = textProperty(props, tag::kTransportHeaders);
    return composeOutlookMessageText(parts, options);
}

void listTnefMembers(std::string_view data, MemberSink& sink) {
    ParsedTnef parsed(data);
    std::size_t number = 0;
    for (Attachment* each = parsed.get().starting_attach.next; each && number < kMaxAttachments; each = each->next) {
        ++number;
        std::string name =
            firstOf(textProperty(each->MAPI, tag::kAttachLongFilename), eightBitToUtf8(bytesOf(each->Title)));
        if (name.empty()) name = "attachment " + std::to_string(number);
        std::string bytes = bytesOf(each->FileData);
        if (bytes.empty()) bytes = binaryProperty(each->MAPI, tag::kAttachData);
        if (bytes.empty()) continue;
        if (!sink.add(std::move(name), std::move(bytes))) return;
    }
}

}  // namespace harvelux::wordproc
