// Feeds bytes to the engine's side of the mail store reader. Input that
// starts with a store's signature goes to the reader process (the real
// harvelux-pst-reader, libpst inside it), so that whatever libpst does ends
// as an engine error; any other input is taken as the reader's output and
// parsed as the engine parses it. Every message handed on, written as an
// Outlook message file, is read back like a .msg.
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/outlook/OutlookMessage.h"
#include "wordproc/outlook/PstReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace harvelux::wordproc;

namespace {

class MessageReadingSink final : public MemberSink {
public:
    explicit MessageReadingSink(const ReadOptions& options) : options_(options) {}

    bool add(std::string, std::string bytes) override {
        const CompoundFile file(bytes);
        if (!isOutlookMessage(file)) throw EngineError("a message was written as something else");
        (void)readOutlookMessageText(file, options_);
        NoMembers attachments;
        listOutlookMessageMembers(file, attachments);
        return true;
    }
    void unreadable(std::string, UnreadableReason) override {}

private:
    struct NoMembers final : MemberSink {
        bool add(std::string, std::string) override { return true; }
        void unreadable(std::string, UnreadableReason) override {}
    };
    const ReadOptions& options_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const ReadOptions options = fuzzReadOptions(bytes, size);
    MessageReadingSink sink(options);
    try {
        if (looksLikePst(data))
            listPstMembers(data, sink);
        else
            listPstStreamMembers(data, size + 65536, sink);
    } catch (const EngineError&) {}
    return 0;
}
