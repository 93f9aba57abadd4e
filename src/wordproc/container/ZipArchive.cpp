#include "wordproc/container/ZipArchive.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/ZipDirectory.h"
#include "wordproc/text/ReaderCaps.h"

#include <zip.h>

#include <algorithm>

namespace harvelux::wordproc {

ZipArchive::ZipArchive(std::string_view data) {
    // Neither libzip nor libarchive looks for entries that share their
    // bytes; every reader of a ZIP, a document's or an archive's, comes here.
    if (zipEntriesOverlap(data)) throw EngineError("not a readable ZIP archive: its entries overlap (a ZIP bomb)");
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data.data(), data.size(), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        throw EngineError("not a ZIP archive");
    }
    archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!archive_) {
        zip_source_free(source);
        throw EngineError("not a readable ZIP archive");
    }
}

ZipArchive::~ZipArchive() {
    if (archive_) zip_discard(archive_);
}

bool ZipArchive::looksLikeZip(std::string_view data) {
    return data.size() >= 4 && data.substr(0, 2) == "PK" &&
           (data.substr(2, 2) == std::string_view("\x03\x04", 2) ||
            data.substr(2, 2) == std::string_view("\x05\x06", 2));
}

bool ZipArchive::contains(const std::string& name) const { return zip_name_locate(archive_, name.c_str(), 0) >= 0; }

std::vector<std::string> ZipArchive::names(std::size_t most) const {
    std::vector<std::string> result;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count && result.size() < most; ++i)
        if (const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0)) result.emplace_back(name);
    return result;
}

std::optional<std::string> ZipArchive::read(const std::string& name, std::uint64_t limit) const {
    const zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
    if (index < 0) return std::nullopt;
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &info) != 0)
        throw EngineError("damaged ZIP entry " + name);
    // The sizes in the directory are the archive's claims; the cap is
    // enforced on what actually comes out of the decompressor.
    std::uint64_t cap = std::min(limit, kMaxInflatedBytes);
    if ((info.valid & ZIP_STAT_COMP_SIZE) && info.comp_method != ZIP_CM_STORE)
        cap = std::min<std::uint64_t>(cap, std::max<std::uint64_t>(info.comp_size, 1) * kMaxInflateRatio);

    // An entry that claims more than the cap is refused before any of it is
    // inflated: whether it is too large or its claim is false, it is not
    // read, and inflating up to the cap first would only cost time.
    if ((info.valid & ZIP_STAT_SIZE) && info.size > cap)
        throw EngineError("ZIP entry " + name + " inflates beyond the limit", UnreadableReason::TooLarge);

    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (!file) throw EngineError("cannot read ZIP entry " + name);
    std::string out;
    if (info.valid & ZIP_STAT_SIZE) out.reserve(static_cast<std::size_t>(info.size));
    char buffer[65536];
    while (true) {
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            zip_fclose(file);
            throw EngineError("damaged ZIP entry " + name);
        }
        if (got == 0) break;
        if (out.size() + static_cast<std::uint64_t>(got) > cap) {
            zip_fclose(file);
            throw EngineError("ZIP entry " + name + " inflates beyond the limit", UnreadableReason::TooLarge);
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
    // zip_fclose reports a CRC mismatch; a damaged part is not trusted.
    if (zip_fclose(file) != 0) throw EngineError("damaged ZIP entry " + name);
    return out;
}

}  // namespace harvelux::wordproc
