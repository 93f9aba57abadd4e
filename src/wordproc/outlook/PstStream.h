// What the mail store reader process (harvelux-pst-reader) writes back: the
// store's messages in folder order as a stream of records, each a tag byte,
// a 32-bit little-endian length and that many bytes. The engine parses it
// as it comes, and trusts none of it: every length is checked against the
// caps before anything is allocated, every record against where it may
// stand.
//
//   'M' folder path      a message of the folder starts ("Inbox/Sent", "/"
//                        between the levels; "" for the store's top)
//   'E' name             an attached message starts, inside the current one
//   'S' 'N' 'A' 'a'      subject, sender's name, sender's address, its
//                        second (Internet) address
//   'T' 'C' 'B'          To, Cc, Bcc (as the store keeps them, "; " between)
//   'P' 'H' 'R' 'X'      plain body, HTML body, compressed RTF body,
//                        Internet headers
//   'F' name             an attachment stored by value starts
//   'D' bytes            its content
//   'U' name             an attachment the reader could not take out
//   'e'                  the current message (or attached message) ends
//   'Z'                  the store has been read to its end
//
// Strings are UTF-8 where the store said what they were, else as stored
// (8-bit): the engine reads either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

namespace pst_record {
inline constexpr char kMessage = 'M';
inline constexpr char kAttachedMessage = 'E';
inline constexpr char kSubject = 'S';
inline constexpr char kSenderName = 'N';
inline constexpr char kSenderAddress = 'A';
inline constexpr char kSenderAddress2 = 'a';
inline constexpr char kTo = 'T';
inline constexpr char kCc = 'C';
inline constexpr char kBcc = 'B';
inline constexpr char kPlainBody = 'P';
inline constexpr char kHtmlBody = 'H';
inline constexpr char kCompressedRtf = 'R';
inline constexpr char kHeaders = 'X';
inline constexpr char kAttachment = 'F';
inline constexpr char kAttachmentData = 'D';
inline constexpr char kUnreadableAttachment = 'U';
inline constexpr char kEnd = 'e';
inline constexpr char kStoreEnd = 'Z';
}  // namespace pst_record

inline constexpr std::size_t kPstRecordHeader = 5;
// How deep attached messages nest inside one message, on both sides.
inline constexpr std::size_t kMaxPstAttachedDepth = 8;

// One record, as the reader process writes it.
inline void appendPstRecord(std::string& out, char tag, std::string_view payload) {
    out += tag;
    const auto size = static_cast<std::uint32_t>(payload.size());
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((size >> shift) & 0xFF);
    out += payload;
}

struct PstMessage;

struct PstAttachment {
    std::string name;
    std::string bytes;                    // stored by value
    std::unique_ptr<PstMessage> message;  // an attached message
    bool unreadable = false;
};

struct PstMessage {
    std::string folder;  // the top message's folder path
    std::string subject, senderName, senderAddress, senderAddress2, to, cc, bcc;
    std::string plainBody, htmlBody, compressedRtf, headers;
    std::vector<PstAttachment> attachments;
};

struct PstStreamCaps {
    std::size_t recordBytes = 0;      // one record's payload
    std::size_t messageBytes = 0;     // one message with all it holds
    std::size_t attachments = 10000;  // of one message, attached messages' counted in
};

// Reads messages from `read` (which gives up to the asked number of bytes,
// 0 at the end of the stream, and may throw).
class PstStreamParser {
public:
    using Read = std::function<std::size_t(char*, std::size_t)>;

    PstStreamParser(Read read, PstStreamCaps caps) : read_(std::move(read)), caps_(caps) {}

    // The next message, or null once the store's end record is read. Throws
    // EngineError (damaged) when the stream ends early or breaks its rules.
    std::unique_ptr<PstMessage> next();

private:
    struct Record {
        char tag = 0;
        std::string payload;
    };
    Record record();
    void fill(char* buffer, std::size_t size);

    Read read_;
    PstStreamCaps caps_;
    bool ended_ = false;
};

}  // namespace harvelux::wordproc
