#include "wordproc/archive/ArchiveReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/MemberSink.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/archive/GzipStream.h"
#include "wordproc/archive/ZipMembers.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cerrno>
#include <memory>
#include <string>

namespace harvelux::wordproc {

namespace {

struct ArchiveFree {
    void operator()(archive* handle) const { archive_read_free(handle); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveFree>;

constexpr std::size_t kChunk = 64u << 10;

// The name a gzip header keeps of the file it compressed (FNAME), or "".
std::string gzipFileName(std::string_view data) {
    constexpr std::size_t kHeader = 10;
    if (data.size() < kHeader || data[0] != '\x1F' || data[1] != '\x8B') return {};
    const auto flags = static_cast<unsigned char>(data[3]);
    std::size_t at = kHeader;
    if (flags & 0x04) {  // FEXTRA: a length, then that many bytes
        if (data.size() < at + 2) return {};
        at += 2 + (static_cast<unsigned char>(data[at]) |
                   (static_cast<std::size_t>(static_cast<unsigned char>(data[at + 1])) << 8));
    }
    if (!(flags & 0x08) || at >= data.size()) return {};
    const std::size_t end = data.find('\0', at);
    if (end == std::string_view::npos) return {};
    std::string name(data.substr(at, end - at));
    const std::size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

bool saysPassword(archive* handle) {
    const char* message = archive_error_string(handle);
    if (!message) return false;
    const std::string text(message);
    return text.find("assphrase") != std::string::npos || text.find("ncrypt") != std::string::npos;
}

la_ssize_t readGzipPiece(archive* handle, void* stream, const void** piece) {
    std::string_view bytes;
    if (!static_cast<GzipStream*>(stream)->next(bytes)) {
        archive_set_error(handle, EILSEQ, "damaged gzip data");
        return ARCHIVE_FATAL;
    }
    *piece = bytes.data();
    return static_cast<la_ssize_t>(bytes.size());
}

// `gzip`, when not null, inflates the tar that libarchive reads.
ArchiveHandle openArchive(std::string_view data, GzipStream* gzip) {
    ArchiveHandle handle(archive_read_new());
    if (!handle) throw EngineError("not enough memory to open the archive", UnreadableReason::TooLarge);
    archive_read_support_filter_all(handle.get());
    archive_read_support_format_all(handle.get());
    // A single compressed file (.gz, .xz, ...) is an archive of one member.
    archive_read_support_format_raw(handle.get());
    const int opened = gzip ? archive_read_open(handle.get(), gzip, nullptr, readGzipPiece, nullptr)
                            : archive_read_open_memory(handle.get(), data.data(), data.size());
    if (opened != ARCHIVE_OK) throw EngineError("not a readable archive");
    return handle;
}

enum class Taken { Member, Skipped, Stop };

// The bytes of the entry just read, at most `room`; Stop when it would not fit
// or the archive cannot go on.
Taken takeData(archive* handle, const std::string& name, std::uint64_t room, MemberSink& sink, std::string& bytes) {
    std::array<char, kChunk> chunk{};
    while (true) {
        WorkBudget::charge();
        const la_ssize_t got = archive_read_data(handle, chunk.data(), chunk.size());
        if (got == 0) return Taken::Member;
        if (got < 0) {
            sink.unreadable(name, saysPassword(handle) ? UnreadableReason::Encrypted : UnreadableReason::Damaged);
            return got == ARCHIVE_FATAL ? Taken::Stop : Taken::Skipped;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > room) {
            sink.unreadable(name, UnreadableReason::ExpandsTooFar);
            return Taken::Stop;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace

void listArchiveMembers(std::string_view data, MemberSink& sink) {
    if (listZipMembers(data, sink)) return;
    // A tar.gz is inflated by igzip, faster than libarchive's zlib.
    std::unique_ptr<GzipStream> gzip = gzipHoldsTar(data) ? std::make_unique<GzipStream>(data) : nullptr;
    const ArchiveHandle handle = openArchive(data, gzip.get());
    archive_entry* entry = nullptr;
    bool any = false;
    while (true) {
        WorkBudget::charge();
        const int status = archive_read_next_header(handle.get(), &entry);
        if (status == ARCHIVE_EOF) break;
        if (status < ARCHIVE_WARN) {
            if (!any)
                throw EngineError(std::string("not a readable archive: ") + (archive_error_string(handle.get())
                                                                                 ? archive_error_string(handle.get())
                                                                                 : "damaged"));
            sink.unreadable("", UnreadableReason::Damaged);
            break;
        }
        const bool raw = archive_format(handle.get()) == ARCHIVE_FORMAT_RAW;
        // Raw bytes with no compression around them are no archive at all.
        if (raw && archive_filter_count(handle.get()) <= 1) throw EngineError("not a readable archive");
        any = true;
        if (archive_entry_filetype(entry) != AE_IFREG) continue;
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const char* plain = archive_entry_pathname(entry);
        std::string name = utf8 ? utf8 : plain ? plain : "";
        if (raw) name = gzipFileName(data);
        if (archive_entry_is_encrypted(entry)) {
            sink.unreadable(name, UnreadableReason::Encrypted);
            continue;
        }
        const std::uint64_t room = sink.roomLeft();
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0 &&
            static_cast<std::uint64_t>(archive_entry_size(entry)) > room) {
            sink.unreadable(name, UnreadableReason::ExpandsTooFar);
            return;
        }
        std::string bytes;
        // A member's size, when the archive gives it, is known to fit the
        // room: the string is not grown by doubling, which would hold a
        // large member's bytes twice for a moment.
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
            bytes.reserve(static_cast<std::size_t>(archive_entry_size(entry)));
        const Taken taken = takeData(handle.get(), name, room, sink, bytes);
        if (taken == Taken::Stop) return;
        if (taken == Taken::Skipped) continue;
        if (!sink.add(std::move(name), std::move(bytes))) return;
    }
}

}  // namespace harvelux::wordproc
