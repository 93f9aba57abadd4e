#include "wordproc/archive/ZipMembers.h"

#include "wordproc/MemberSink.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/ZipDirectory.h"
#include "wordproc/text/ReaderCaps.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kEncryptedFlags = 0x0001 | 0x0040;
constexpr std::uint16_t kUtf8NameFlag = 0x0800;
constexpr unsigned kUnixSystem = 3;
constexpr std::uint32_t kDosDirectory = 0x10;
constexpr std::uint32_t kUnixTypeMask = 0170000;
constexpr std::uint32_t kUnixRegular = 0100000;
constexpr std::uint32_t kUnixDirectory = 0040000;

struct DecompressorFree {
    void operator()(libdeflate_decompressor* decompressor) const { libdeflate_free_decompressor(decompressor); }
};

bool hasExtraField(std::string_view extra, std::uint16_t wanted) {
    std::size_t at = 0;
    while (at + 4 <= extra.size()) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(extra[i])); };
        const unsigned id = byte(at) | (byte(at + 1) << 8);
        const std::size_t length = byte(at + 2) | (byte(at + 3) << 8);
        if (id == wanted) return true;
        at += 4 + length;
    }
    return false;
}

bool plainAscii(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether the entry is a folder; nullopt when its attributes make it
// something this does not take out as libarchive would (a link, a device)
// or contradict its name.
std::optional<bool> isFolder(const ZipEntry& entry) {
    const bool slash = !entry.name.empty() && entry.name.back() == '/';
    bool folder = (entry.external & kDosDirectory) != 0;
    if ((entry.madeBy >> 8) == kUnixSystem) {
        const std::uint32_t type = (entry.external >> 16) & kUnixTypeMask;
        if (type != 0 && type != kUnixRegular && type != kUnixDirectory) return std::nullopt;
        if (type != 0) folder = type == kUnixDirectory;
    }
    if (folder != slash) return std::nullopt;
    return folder;
}

constexpr std::string_view kLocalHeader("PK\x03\x04", 4);

bool readable(std::string_view data, const ZipEntry& entry) {
    if ((entry.flags & kEncryptedFlags) != 0) return false;
    if (entry.method != kStored && entry.method != kDeflated) return false;
    if ((entry.flags & kUtf8NameFlag) == 0 && !plainAscii(entry.name)) return false;
    if (hasExtraField(entry.extra, 0x7075)) return false;  // a Unicode path beside the name
    if (!isFolder(entry)) return false;
    // A local header where the directory says, and the data inside the archive.
    if (entry.local > data.size() || data.substr(static_cast<std::size_t>(entry.local), 4) != kLocalHeader)
        return false;
    return entry.data <= data.size() && entry.compressed <= data.size() - entry.data;
}

// The first `count` bytes `compressed` inflates to (fewer when it has
// fewer; none when it is damaged there): enough to tell what the member is
// without inflating all of it. zlib stops where the output ends.
std::string zipMemberHead(std::string_view compressed, std::uint16_t method, std::size_t count) {
    if (method == kStored) return std::string(compressed.substr(0, count));
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return {};  // raw deflate, as ZIP stores it
    std::string head(count, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(std::min<std::size_t>(compressed.size(), 1u << 30));
    stream.next_out = reinterpret_cast<Bytef*>(head.data());
    stream.avail_out = static_cast<uInt>(count);
    const int status = inflate(&stream, Z_SYNC_FLUSH);
    head.resize(status == Z_OK || status == Z_STREAM_END ? count - stream.avail_out : 0);
    inflateEnd(&stream);
    return head;
}

}  // namespace

bool inflateZipMember(std::string_view compressed, std::uint16_t method, std::uint64_t size, std::uint32_t crc,
                      std::string& out) {
    if (size > kMaxInflatedBytes) return false;
    if (method == kStored) {
        if (compressed.size() != size) return false;
        out.assign(compressed);
    } else {
        static thread_local const std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor(
            libdeflate_alloc_decompressor());
        if (!decompressor) return false;
        out.resize(static_cast<std::size_t>(size));
        if (libdeflate_deflate_decompress(decompressor.get(), compressed.data(), compressed.size(), out.data(),
                                          out.size(), nullptr) != LIBDEFLATE_SUCCESS)
            return false;
    }
    return libdeflate_crc32(0, out.data(), out.size()) == crc;
}

bool listZipMembers(std::string_view data, MemberSink& sink) {
    if (!data.starts_with(kLocalHeader)) return false;
    std::optional<std::vector<ZipEntry>> entries = zipEntries(data);
    if (!entries || zipEntriesOverlap(data)) return false;
    if (!std::all_of(entries->begin(), entries->end(), [&](const ZipEntry& entry) { return readable(data, entry); }))
        return false;
    // In the order of their data, as libarchive gives the members of an
    // archive it can seek in.
    std::stable_sort(entries->begin(), entries->end(),
                     [](const ZipEntry& a, const ZipEntry& b) { return a.local < b.local; });
    for (const ZipEntry& entry : *entries) {
        WorkBudget::charge();
        if (*isFolder(entry)) continue;
        std::string name(entry.name);
        if (entry.size > sink.roomLeft()) {
            sink.unreadable(std::move(name), UnreadableReason::ExpandsTooFar);
            return true;
        }
        const std::string_view compressed =
            data.substr(static_cast<std::size_t>(entry.data), static_cast<std::size_t>(entry.compressed));
        DeferredMember member{.name = std::move(name),
                              .size = entry.size,
                              .head = zipMemberHead(compressed, entry.method, kDeferredHeadBytes),
                              .source = compressed,
                              .take = [method = entry.method, size = entry.size,
                                       crc = entry.crc](std::string_view source) -> std::optional<std::string> {
                                  std::string bytes;
                                  if (!inflateZipMember(source, method, size, crc, bytes)) return std::nullopt;
                                  return bytes;
                              }};
        if (!sink.addDeferred(std::move(member))) return true;
    }
    return true;
}

}  // namespace harvelux::wordproc
