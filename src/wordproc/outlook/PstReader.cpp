#include "wordproc/outlook/PstReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ReaderProcess.h"
#include "wordproc/outlook/PstMessageFile.h"
#include "wordproc/outlook/PstStream.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace harvelux::wordproc {

namespace {

// No field of a message holds more than the store (UTF-16 text becomes at
// most half as long again as UTF-8), nor more than one stream of a .msg.
PstStreamCaps streamCaps(std::size_t storeBytes) {
    const std::uint64_t record = std::min<std::uint64_t>(2 * std::uint64_t{storeBytes} + 4096, kMaxStreamBytes);
    return {.recordBytes = static_cast<std::size_t>(record),
            .messageBytes = static_cast<std::size_t>(kMaxStreamBytes),
            .attachments = 10000};
}

// Hands the parser's messages to the sink, numbered in their folders.
// Returns false when the sink wants no more.
bool handMessages(PstStreamParser& parser, MemberSink& sink, std::size_t& handed) {
    std::map<std::string, std::size_t> numbers;
    while (std::unique_ptr<PstMessage> message = parser.next()) {
        WorkBudget::charge();
        const std::size_t number = ++numbers[message->folder];
        const std::string name =
            (message->folder.empty() ? std::string() : message->folder + "/") + "message " + std::to_string(number);
        ++handed;
        std::string file;
        try {
            file = writePstMessageFile(*message);
        } catch (const EngineError& error) {
            sink.unreadable(name, error.reason());
            continue;
        }
        if (!sink.add(name, std::move(file))) return false;
        for (const std::string& attachment : unreadablePstAttachments(*message))
            sink.unreadable(std::string(name).append("::").append(attachment), UnreadableReason::Damaged);
    }
    return true;
}

// A store that failed after some of its messages: those stay read, and the
// store says it is damaged under its own name.
void failed(const EngineError& error, std::size_t handed, MemberSink& sink) {
    if (handed == 0) throw error;
    sink.unreadable("", error.reason());
}

}  // namespace

bool looksLikePst(std::string_view data) { return data.starts_with("!BDN"); }

void listPstMembers(std::string_view data, MemberSink& sink) {
    const std::string program = findProgramFile(kPstReaderProgram);
    if (program.empty())
        throw EngineError(std::string(kPstReaderProgram) + " is not installed beside the program",
                          UnreadableReason::ReaderMissing);
    listPstMembers(data, sink, program);
}

void listPstMembers(std::string_view data, MemberSink& sink, const std::string& program) {
    if (data.size() > kMaxFileBytes) throw EngineError("the mail store is too large", UnreadableReason::TooLarge);
    ReaderProcess process(program, {}, data, readerProcessLimits(data.size()));
    PstStreamParser parser([&](char* buffer, std::size_t size) { return process.read(buffer, size); },
                           streamCaps(data.size()));
    std::size_t handed = 0;
    try {
        // The sink may stop early; the process is then killed with its object.
        if (!handMessages(parser, sink, handed)) return;
        process.finish();
    } catch (const EngineError& error) {
        // Output cut short because the reader crashed or gave up: that is
        // what is told. A reader still writing is killed with its object.
        try {
            if (process.outputEnded()) process.finish();
        } catch (const EngineError& ended) {
            failed(ended, handed, sink);
            return;
        }
        failed(error, handed, sink);
    }
}

void listPstStreamMembers(std::string_view stream, std::size_t storeBytes, MemberSink& sink) {
    std::size_t at = 0;
    PstStreamParser parser(
        [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min(size, stream.size() - at);
            std::memcpy(buffer, stream.data() + at, n);
            at += n;
            return n;
        },
        streamCaps(storeBytes));
    std::size_t handed = 0;
    try {
        handMessages(parser, sink, handed);
    } catch (const EngineError& error) {
        failed(error, handed, sink);
    }
}

}  // namespace harvelux::wordproc
