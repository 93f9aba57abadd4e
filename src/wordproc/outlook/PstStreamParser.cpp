#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/outlook/PstStream.h"

namespace harvelux::wordproc {

namespace {

[[noreturn]] void damaged(const char* why) {
    throw EngineError(std::string("the mail store reader's output is damaged: ") + why);
}

// The string field of a message a record sets, or null.
std::string* field(PstMessage& message, char tag) {
    namespace r = pst_record;
    switch (tag) {
        case r::kSubject:
            return &message.subject;
        case r::kSenderName:
            return &message.senderName;
        case r::kSenderAddress:
            return &message.senderAddress;
        case r::kSenderAddress2:
            return &message.senderAddress2;
        case r::kTo:
            return &message.to;
        case r::kCc:
            return &message.cc;
        case r::kBcc:
            return &message.bcc;
        case r::kPlainBody:
            return &message.plainBody;
        case r::kHtmlBody:
            return &message.htmlBody;
        case r::kCompressedRtf:
            return &message.compressedRtf;
        case r::kHeaders:
            return &message.headers;
        default:
            return nullptr;
    }
}

}  // namespace

void PstStreamParser::fill(char* buffer, std::size_t size) {
    for (std::size_t at = 0; at < size;) {
        const std::size_t got = read_(buffer + at, size - at);
        if (got == 0 || got > size - at) damaged("it ends early");
        at += got;
    }
}

PstStreamParser::Record PstStreamParser::record() {
    char header[kPstRecordHeader];
    fill(header, sizeof header);
    std::uint32_t size = 0;
    for (std::size_t i = 0; i < 4; ++i) size |= std::uint32_t{static_cast<unsigned char>(header[1 + i])} << (8 * i);
    if (size > caps_.recordBytes) damaged("a record is longer than the store could hold");
    Record result{header[0], std::string(size, '\0')};
    fill(result.payload.data(), size);
    return result;
}

std::unique_ptr<PstMessage> PstStreamParser::next() {
    namespace r = pst_record;
    if (ended_) return nullptr;
    Record first = record();
    if (first.tag == r::kStoreEnd) {
        char extra = 0;
        if (!first.payload.empty() || read_(&extra, 1) != 0) damaged("something follows its end");
        ended_ = true;
        return nullptr;
    }
    if (first.tag != r::kMessage) damaged("a record outside a message");
    auto message = std::make_unique<PstMessage>();
    message->folder = std::move(first.payload);
    std::vector<PstMessage*> open{message.get()};
    std::size_t total = message->folder.size();
    std::size_t attachments = 0;
    PstAttachment* awaitingData = nullptr;  // an attachment just started: its content may follow
    while (!open.empty()) {
        WorkBudget::charge();
        Record next = record();
        total += next.payload.size();
        if (total > caps_.messageBytes)
            throw EngineError("a message of the mail store is too large", UnreadableReason::TooLarge);
        PstMessage& current = *open.back();
        PstAttachment* started = nullptr;
        if (std::string* value = field(current, next.tag)) {
            *value = std::move(next.payload);
        } else if (next.tag == r::kAttachmentData) {
            if (!awaitingData) damaged("content without its attachment");
            awaitingData->bytes = std::move(next.payload);
        } else if (next.tag == r::kEnd) {
            open.pop_back();
        } else if (next.tag == r::kAttachment || next.tag == r::kUnreadableAttachment ||
                   next.tag == r::kAttachedMessage) {
            if (++attachments > caps_.attachments) damaged("too many attachments");
            current.attachments.push_back({.name = std::move(next.payload),
                                           .bytes = {},
                                           .message = {},
                                           .unreadable = next.tag == r::kUnreadableAttachment});
            PstAttachment& attachment = current.attachments.back();
            if (next.tag == r::kAttachment) started = &attachment;
            if (next.tag == r::kAttachedMessage) {
                if (open.size() > kMaxPstAttachedDepth) damaged("attached messages nest too deeply");
                attachment.message = std::make_unique<PstMessage>();
                open.push_back(attachment.message.get());
            }
        } else {
            damaged("a record out of place");
        }
        awaitingData = started;
    }
    return message;
}

}  // namespace harvelux::wordproc
