#include "wordproc/outlook/PstMessageFile.h"

#include "wordproc/container/CompoundFileWriter.h"
#include "wordproc/outlook/OutlookMessage.h"
#include "wordproc/outlook/OutlookProperties.h"

#include <array>

namespace harvelux::wordproc {

namespace {

namespace tag = outlook_tag;

constexpr std::uint16_t kString8 = 0x001E;  // 8-bit strings: UTF-8 is read as it is
constexpr std::uint16_t kBinary = 0x0102;
constexpr std::uint16_t kObject = 0x000D;
constexpr std::size_t kTopHeader = 32;       // a message's property header at the top of a file
constexpr std::size_t kAttachedHeader = 24;  // in an attached message's storage
constexpr std::size_t kChildHeader = 8;      // a recipient's or attachment's

std::u16string hex8(std::uint32_t value) {
    static constexpr std::array<char16_t, 16> kHex = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                                      u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F'};
    std::u16string out;
    for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
    return out;
}

CompoundNode stream(std::u16string name, std::string data) {
    return {.name = std::move(name), .storage = false, .data = std::move(data), .children = {}};
}

CompoundNode storage(std::u16string name, std::size_t header) {
    CompoundNode node{.name = std::move(name), .storage = true, .data = {}, .children = {}};
    node.children.push_back(stream(u"__properties_version1.0", std::string(header, '\0')));
    return node;
}

void property(CompoundNode& node, std::uint16_t tag, std::uint16_t type, const std::string& value) {
    if (value.empty()) return;
    node.children.push_back(stream(u"__substg1.0_" + hex8((std::uint32_t{tag} << 16) | type), value));
}

void writeMessage(CompoundNode& node, const PstMessage& message);

CompoundNode attachedMessage(const PstMessage& message, std::uint32_t number, const std::string& name) {
    CompoundNode attachment = storage(u"__attach_version1.0_#" + hex8(number), kChildHeader);
    property(attachment, tag::kAttachLongFilename, kString8, name);
    CompoundNode inner =
        storage(u"__substg1.0_" + hex8((std::uint32_t{tag::kAttachData} << 16) | kObject), kAttachedHeader);
    writeMessage(inner, message);
    attachment.children.push_back(std::move(inner));
    return attachment;
}

void writeMessage(CompoundNode& node, const PstMessage& message) {
    // An Exchange sender's first address is a directory name; the second,
    // when there is one, its Internet address.
    const bool directoryName = message.senderAddress.find('@') == std::string::npos;
    const std::string& sender =
        directoryName && !message.senderAddress2.empty() ? message.senderAddress2 : message.senderAddress;
    property(node, tag::kSenderName, kString8, message.senderName);
    property(node, tag::kSenderEmail, kString8, sender);
    property(node, tag::kSubject, kString8, message.subject);
    property(node, tag::kBody, kString8, message.plainBody);
    property(node, tag::kHtml, kBinary, message.htmlBody);
    property(node, tag::kRtfCompressed, kBinary, message.compressedRtf);
    property(node, tag::kTransportHeaders, kString8, message.headers);
    std::uint32_t recipients = 0;
    for (const std::string* list : {&message.to, &message.cc, &message.bcc}) {
        if (list->empty()) continue;
        CompoundNode recipient = storage(u"__recip_version1.0_#" + hex8(recipients++), kChildHeader);
        property(recipient, tag::kEmailAddress, kString8, *list);
        node.children.push_back(std::move(recipient));
    }
    std::uint32_t number = 0;
    for (const PstAttachment& attachment : message.attachments) {
        if (attachment.unreadable) continue;
        if (attachment.message) {
            node.children.push_back(attachedMessage(*attachment.message, number++, attachment.name));
            continue;
        }
        CompoundNode byValue = storage(u"__attach_version1.0_#" + hex8(number++), kChildHeader);
        property(byValue, tag::kAttachLongFilename, kString8, attachment.name);
        byValue.children.push_back(
            stream(u"__substg1.0_" + hex8((std::uint32_t{tag::kAttachData} << 16) | kBinary), attachment.bytes));
        node.children.push_back(std::move(byValue));
    }
}

void collectUnreadable(const PstMessage& message, const std::string& prefix, std::vector<std::string>& names) {
    for (const PstAttachment& attachment : message.attachments) {
        const std::string name = attachment.name.empty() ? std::string("(unnamed)") : attachment.name;
        if (attachment.unreadable) names.push_back(prefix + name);
        if (attachment.message)
            collectUnreadable(*attachment.message, prefix + attachedMessageName(name) + "::", names);
    }
}

}  // namespace

std::string writePstMessageFile(const PstMessage& message) {
    CompoundNode root = storage(u"Root Entry", kTopHeader);
    writeMessage(root, message);
    return writeCompoundFile(root);
}

std::vector<std::string> unreadablePstAttachments(const PstMessage& message) {
    std::vector<std::string> names;
    collectUnreadable(message, {}, names);
    return names;
}

}  // namespace harvelux::wordproc
