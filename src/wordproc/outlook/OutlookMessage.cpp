#include "wordproc/outlook/OutlookMessage.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFileWriter.h"
#include "wordproc/container/OleObject.h"
#include "wordproc/outlook/OutlookMessageText.h"
#include "wordproc/outlook/OutlookProperties.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace harvelux::wordproc {

namespace {

namespace tag = outlook_tag;

constexpr std::size_t kMaxRecipients = 10000;
constexpr std::uint32_t kAttachOle = 6;

bool startsWith(const std::u16string& name, std::u16string_view prefix) {
    return name.size() >= prefix.size() && std::u16string_view(name).substr(0, prefix.size()) == prefix;
}

// The storages of the message whose names start with `prefix`, in the
// order of their numbers.
std::vector<std::uint32_t> childStorages(const CompoundFile& file, std::u16string_view prefix) {
    std::vector<std::uint32_t> result;
    for (const std::uint32_t id : file.children(CompoundFile::kRoot))
        if (file.entry(id).type == CompoundFile::EntryType::Storage && startsWith(file.entry(id).name, prefix))
            result.push_back(id);
    std::sort(result.begin(), result.end(),
              [&](std::uint32_t a, std::uint32_t b) { return file.entry(a).name < file.entry(b).name; });
    if (result.size() > kMaxRecipients) result.resize(kMaxRecipients);
    return result;
}

// The first of the properties that is present and not empty.
std::string firstText(const OutlookProperties& properties, std::initializer_list<std::uint16_t> tags) {
    for (const std::uint16_t t : tags)
        if (auto value = properties.text(t); value && !value->empty()) return std::move(*value);
    return {};
}

// A message's sender, then whom it was sent for when that is someone else.
void addSenders(const OutlookProperties& message, OutlookMessageParts& parts) {
    const std::string sender = firstText(message, {tag::kSenderSmtpAddress, tag::kSenderEmail});
    parts.people.emplace_back(firstText(message, {tag::kSenderName}), sender);
    const std::string represented =
        firstText(message, {tag::kSentRepresentingSmtpAddress, tag::kSentRepresentingEmail});
    if (!represented.empty() && represented != sender)
        parts.people.emplace_back(firstText(message, {tag::kSentRepresentingName}), represented);
}

std::string attachmentName(const OutlookProperties& attachment, std::size_t number) {
    std::string name = firstText(attachment, {tag::kAttachLongFilename, tag::kAttachFilename, tag::kDisplayName});
    return name.empty() ? "attachment " + std::to_string(number) : name;
}

}  // namespace

std::string attachedMessageName(const std::string& name) {
    if (name.size() >= 4) {
        std::string end = name.substr(name.size() - 4);
        std::transform(end.begin(), end.end(), end.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (end == ".msg") return name;
    }
    return name + ".msg";
}

bool isOutlookMessage(const CompoundFile& file) {
    if (!file.find(u"__properties_version1.0")) return false;
    const std::vector<std::uint32_t> children = file.children(CompoundFile::kRoot);
    return std::any_of(children.begin(), children.end(),
                       [&](std::uint32_t id) { return startsWith(file.entry(id).name, u"__substg1.0_"); });
}

std::string readOutlookMessageText(const CompoundFile& file, const ReadOptions& options) {
    const OutlookProperties message(file, CompoundFile::kRoot, OutlookProperties::Kind::Message);
    OutlookMessageParts parts;
    addSenders(message, parts);
    for (const std::uint32_t id : childStorages(file, u"__recip_version1.0_")) {
        const OutlookProperties recipient(file, id, OutlookProperties::Kind::Child);
        parts.people.emplace_back(firstText(recipient, {tag::kDisplayName}),
                                  firstText(recipient, {tag::kSmtpAddress, tag::kEmailAddress}));
    }
    parts.subject = firstText(message, {tag::kSubject});
    parts.plainBody = firstText(message, {tag::kBody});
    parts.htmlBody = message.binary(tag::kHtml).value_or(std::string());
    parts.compressedRtf = message.binary(tag::kRtfCompressed).value_or(std::string());
    parts.transportHeaders = firstText(message, {tag::kTransportHeaders});
    return composeOutlookMessageText(parts, options);
}

void listOutlookMessageMembers(const CompoundFile& file, MemberSink& sink) {
    std::size_t number = 0;
    for (const std::uint32_t id : childStorages(file, u"__attach_version1.0_")) {
        ++number;
        const OutlookProperties attachment(file, id, OutlookProperties::Kind::Child);
        std::string name = attachmentName(attachment, number);
        try {
            const std::uint32_t method = attachment.integer(tag::kAttachMethod).value_or(1);
            if (const auto object = attachment.object(tag::kAttachData)) {
                if (method != kAttachOle) {  // an attached message (5), or stored in a way not known here
                    name = attachedMessageName(name);
                    if (!sink.add(name, writeStorageAsCompoundFile(file, *object))) return;
                } else if (auto document = oleObjectDocument(file, *object, {}, name)) {
                    if (!sink.add(std::move(document->name), std::move(document->bytes))) return;
                }
                continue;
            }
            if (auto bytes = attachment.binary(tag::kAttachData)) {
                if (!sink.add(std::move(name), std::move(*bytes))) return;
            }
        } catch (const EngineError& error) {
            sink.unreadable(std::move(name), error.reason());
        }
    }
}

}  // namespace harvelux::wordproc
