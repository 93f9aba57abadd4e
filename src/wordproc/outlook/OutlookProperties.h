// The properties of one object of an Outlook item (.msg): the message, a
// recipient or an attachment, each a storage. Variable-length values are
// streams named "__substg1.0_" + tag + type; fixed-length ones sit in the
// storage's "__properties_version1.0" stream.
#pragma once

#include "wordproc/container/CompoundFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace harvelux::wordproc {

// Properties the readers ask for.
namespace outlook_tag {
inline constexpr std::uint16_t kSubject = 0x0037;
inline constexpr std::uint16_t kSentRepresentingName = 0x0042;
inline constexpr std::uint16_t kSentRepresentingEmail = 0x0065;
inline constexpr std::uint16_t kTransportHeaders = 0x007D;
inline constexpr std::uint16_t kSenderName = 0x0C1A;
inline constexpr std::uint16_t kSenderEmail = 0x0C1F;
inline constexpr std::uint16_t kRecipientType = 0x0C15;
inline constexpr std::uint16_t kBody = 0x1000;
inline constexpr std::uint16_t kRtfCompressed = 0x1009;
inline constexpr std::uint16_t kHtml = 0x1013;
inline constexpr std::uint16_t kDisplayName = 0x3001;
inline constexpr std::uint16_t kEmailAddress = 0x3003;
inline constexpr std::uint16_t kAttachData = 0x3701;
inline constexpr std::uint16_t kAttachFilename = 0x3704;
inline constexpr std::uint16_t kAttachMethod = 0x3705;
inline constexpr std::uint16_t kAttachLongFilename = 0x3707;
inline constexpr std::uint16_t kSmtpAddress = 0x39FE;
inline constexpr std::uint16_t kSenderSmtpAddress = 0x5D01;
inline constexpr std::uint16_t kSentRepresentingSmtpAddress = 0x5D02;
}  // namespace outlook_tag

class OutlookProperties {
public:
    enum class Kind { Message, Child };  // a message's header is longer than a recipient's or attachment's

    OutlookProperties(const CompoundFile& file, std::uint32_t storage, Kind kind);

    // A string property (Unicode or 8-bit) as UTF-8, or nothing.
    std::optional<std::string> text(std::uint16_t tag) const;
    // A binary property's bytes (or a string property's, as stored).
    std::optional<std::string> binary(std::uint16_t tag) const;
    // A 32-bit integer property, or nothing.
    std::optional<std::uint32_t> integer(std::uint16_t tag) const;
    // The storage of an object-valued property (an attached message, an OLE object).
    std::optional<std::uint32_t> object(std::uint16_t tag) const;

    std::uint32_t storage() const { return storage_; }

private:
    std::optional<std::uint32_t> stream(std::uint16_t tag, std::uint16_t type) const;

    const CompoundFile& file_;
    std::uint32_t storage_;
    std::string fixed_;  // the fixed-length entries, header removed
};

}  // namespace harvelux::wordproc
