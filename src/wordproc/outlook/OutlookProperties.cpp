#include "wordproc/outlook/OutlookProperties.h"

#include "wordproc/container/LittleEndian.h"
#include "wordproc/outlook/OutlookMessageText.h"

#include <array>

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kUnicode = 0x001F;
constexpr std::uint16_t kString8 = 0x001E;
constexpr std::uint16_t kBinary = 0x0102;
constexpr std::uint16_t kObject = 0x000D;
constexpr std::uint16_t kInteger = 0x0003;
constexpr std::size_t kEntryBytes = 16;

std::u16string streamName(std::uint16_t tag, std::uint16_t type) {
    static constexpr std::array<char16_t, 16> kHex = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                                      u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F'};
    std::u16string name = u"__substg1.0_";
    const std::uint32_t value = (std::uint32_t{tag} << 16) | type;
    for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(value >> shift) & 0xF];
    return name;
}

}  // namespace

OutlookProperties::OutlookProperties(const CompoundFile& file, std::uint32_t storage, Kind kind)
    : file_(file), storage_(storage) {
    const auto id = file.find(u"__properties_version1.0", storage);
    if (!id || file.entry(*id).type != CompoundFile::EntryType::Stream) return;
    std::string bytes = file.readStream(*id);
    // A message's header is 32 bytes at the top of a file and 24 in an
    // attached message's storage (which may since have become a file of
    // its own); the entries after it are 16 bytes each.
    std::size_t header = 8;
    if (kind == Kind::Message) header = bytes.size() % kEntryBytes == 0 ? 32 : 24;
    fixed_ = bytes.size() > header ? bytes.substr(header) : std::string();
}

std::optional<std::uint32_t> OutlookProperties::stream(std::uint16_t tag, std::uint16_t type) const {
    const auto id = file_.find(streamName(tag, type), storage_);
    if (!id) return std::nullopt;
    const bool wantStorage = type == kObject;
    const auto entryType = file_.entry(*id).type;
    if (wantStorage ? entryType != CompoundFile::EntryType::Storage : entryType != CompoundFile::EntryType::Stream)
        return std::nullopt;
    return id;
}

std::optional<std::string> OutlookProperties::text(std::uint16_t tag) const {
    if (const auto id = stream(tag, kUnicode)) return utf16LeToUtf8(file_.readStream(*id));
    if (const auto id = stream(tag, kString8)) return eightBitToUtf8(file_.readStream(*id));
    return std::nullopt;
}

std::optional<std::string> OutlookProperties::binary(std::uint16_t tag) const {
    for (const std::uint16_t type : {kBinary, kString8, kUnicode})
        if (const auto id = stream(tag, type)) return file_.readStream(*id);
    return std::nullopt;
}

std::optional<std::uint32_t> OutlookProperties::integer(std::uint16_t tag) const {
    for (std::size_t at = 0; at + kEntryBytes <= fixed_.size(); at += kEntryBytes) {
        if (le16(fixed_, at, "a property's type") != kInteger || le16(fixed_, at + 2, "a property's tag") != tag)
            continue;
        return le32(fixed_, at + 8, "a property's value");
    }
    return std::nullopt;
}

std::optional<std::uint32_t> OutlookProperties::object(std::uint16_t tag) const { return stream(tag, kObject); }

}  // namespace harvelux::wordproc
