#include "wordproc/outlook/TnefWalk.h"

#include "wordproc/outlook/OutlookProperties.h"
#include "wordproc/outlook/PstStream.h"

// libytnef's headers define BYTE, WORD and DWORD as macros (kept to this
// file) and do not declare C linkage themselves.
extern "C" {
#include <ytnef.h>
}

#include <unistd.h>

#include <cerrno>
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
    return reinterpret_cast<std::uintptr_t>(value) == ~std::uintptr_t{0} ? nullptr : value;
}

std::string bytesOf(const variableLength& value) {
    if (!value.data || value.size <= 0) return {};
    return std::string(reinterpret_cast<const char*>(value.data), static_cast<std::size_t>(value.size));
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16LE up to the first NUL as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(const std::string& bytes) {
    std::string out;
    const auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t c = unit(i);
        if (c == 0) break;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

// A string property as UTF-8 when it is Unicode, else as stored (8-bit).
std::string textProperty(MAPIProps& props, std::uint16_t id) {
    if (variableLength* value = findProperty(props, propertyTag(kUnicode, id))) return utf16ToUtf8(bytesOf(*value));
    if (variableLength* value = findProperty(props, propertyTag(kString8, id))) {
        std::string text = bytesOf(*value);
        if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
        return text;
    }
    return {};
}

std::string binaryProperty(MAPIProps& props, std::uint16_t id) {
    if (variableLength* value = findProperty(props, propertyTag(kBinary, id))) return bytesOf(*value);
    return {};
}

std::string firstOf(std::string a, std::string b) { return a.empty() ? std::move(b) : std::move(a); }

std::string nulTrimmed(std::string text) {
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
}

void appendMessage(std::string& out, TNEFStruct& tnef) {
    namespace r = pst_record;
    MAPIProps& props = tnef.MapiProperties;
    const auto put = [&](char recordTag, const std::string& value) {
        if (!value.empty()) appendPstRecord(out, recordTag, value);
    };
    appendPstRecord(out, r::kMessage, {});
    put(r::kSenderName, textProperty(props, tag::kSenderName));
    put(r::kSenderAddress,
        firstOf(textProperty(props, tag::kSenderSmtpAddress), textProperty(props, tag::kSenderEmail)));
    put(r::kSubject, firstOf(textProperty(props, tag::kSubject), nulTrimmed(bytesOf(tnef.subject))));
    put(r::kPlainBody, firstOf(textProperty(props, tag::kBody), nulTrimmed(bytesOf(tnef.body))));
    put(r::kHtmlBody, firstOf(binaryProperty(props, tag::kHtml), textProperty(props, tag::kHtml)));
    put(r::kCompressedRtf, binaryProperty(props, tag::kRtfCompressed));
    put(r::kHeaders, textProperty(props, tag::kTransportHeaders));
    std::size_t number = 0;
    for (Attachment* each = tnef.starting_attach.next; each && number < kMaxAttachments; each = each->next) {
        ++number;
        std::string name =
            firstOf(textProperty(each->MAPI, tag::kAttachLongFilename), nulTrimmed(bytesOf(each->Title)));
        if (name.empty()) name = "attachment " + std::to_string(number);
        std::string bytes = firstOf(bytesOf(each->FileData), binaryProperty(each->MAPI, tag::kAttachData));
        if (bytes.empty()) continue;
        appendPstRecord(out, r::kAttachment, name);
        appendPstRecord(out, r::kAttachmentData, bytes);
    }
    appendPstRecord(out, r::kEnd, {});
    appendPstRecord(out, r::kStoreEnd, {});
}

}  // namespace

TnefStatus writeTnefMessage(std::string& data, int outputFd) {
    TNEFStruct tnef{};
    TNEFInitialize(&tnef);
    if (TNEFParseMemory(reinterpret_cast<unsigned char*>(data.data()), static_cast<long>(data.size()), &tnef) != 0) {
        TNEFFree(&tnef);
        return kTnefNotParsed;
    }
    std::string out;
    appendMessage(out, tnef);
    TNEFFree(&tnef);
    for (std::size_t at = 0; at < out.size();) {
        const ssize_t wrote = ::write(outputFd, out.data() + at, out.size() - at);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return kTnefNotWritten;
        at += static_cast<std::size_t>(wrote);
    }
    return kTnefRead;
}

}  // namespace harvelux::wordproc
