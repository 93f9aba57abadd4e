#include "wordproc/outlook/TnefReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ReaderProcess.h"
#include "wordproc/outlook/OutlookMessageText.h"
#include "wordproc/outlook/PstStream.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <memory>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxAttachments = 100000;

std::unique_ptr<PstMessage> tnefMessage(std::string_view data) {
    if (data.size() > kMaxFileBytes) throw EngineError("the TNEF stream is too large", UnreadableReason::TooLarge);
    const std::string program = findProgramFile(kTnefReaderProgram);
    if (program.empty())
        throw EngineError(std::string(kTnefReaderProgram) + " is not installed beside the program",
                          UnreadableReason::ReaderMissing);
    ReaderProcess process(program, {}, data, readerProcessLimits(data.size()));
    // No part of the message holds more than the stream (UTF-16 text becomes
    // at most half as long again as UTF-8).
    const std::uint64_t record = std::min<std::uint64_t>(2 * std::uint64_t{data.size()} + 4096, kMaxStreamBytes);
    PstStreamParser parser([&](char* buffer, std::size_t size) { return process.read(buffer, size); },
                           {.recordBytes = static_cast<std::size_t>(record),
                            .messageBytes = static_cast<std::size_t>(kMaxStreamBytes),
                            .attachments = kMaxAttachments});
    std::unique_ptr<PstMessage> message;
    try {
        message = parser.next();
        if (!message || parser.next()) throw EngineError("the TNEF reader's output is damaged");
        process.finish();
    } catch (const EngineError& error) {
        if (!process.outputEnded() || error.reason() != UnreadableReason::Damaged) throw;
        // The reader gave up on the stream or crashed: it is damaged.
        try {
            process.finish();
        } catch (const EngineError&) {
            throw EngineError("the TNEF stream cannot be read");
        }
        throw;
    }
    return message;
}

}  // namespace

bool looksLikeTnef(std::string_view data) { return data.starts_with("\x78\x9F\x3E\x22"); }

std::shared_ptr<PstMessage> readTnefMessage(std::string_view data) { return tnefMessage(data); }

std::string readTnefText(const PstMessage& message, const ReadOptions& options) {
    OutlookMessageParts parts;
    parts.people.emplace_back(eightBitToUtf8(message.senderName), eightBitToUtf8(message.senderAddress));
    parts.subject = eightBitToUtf8(message.subject);
    parts.plainBody = eightBitToUtf8(message.plainBody);
    parts.htmlBody = message.htmlBody;
    parts.compressedRtf = message.compressedRtf;
    parts.transportHeaders = eightBitToUtf8(message.headers);
    return composeOutlookMessageText(parts, options);
}

std::string readTnefText(std::string_view data, const ReadOptions& options) {
    return readTnefText(*readTnefMessage(data), options);
}

void listTnefMembers(PstMessage& message, MemberSink& sink) {
    for (PstAttachment& attachment : message.attachments)
        if (!sink.add(eightBitToUtf8(attachment.name), std::move(attachment.bytes))) return;
}

void listTnefMembers(std::string_view data, MemberSink& sink) { listTnefMembers(*readTnefMessage(data), sink); }

}  // namespace harvelux::wordproc
