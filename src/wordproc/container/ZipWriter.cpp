#include "wordproc/container/ZipWriter.h"

#include "wordproc/EngineInterface.h"

#include <zip.h>

#include <memory>

namespace harvelux::wordproc {

namespace {

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

[[noreturn]] void fail() { throw EngineError("cannot write a ZIP archive in memory", UnreadableReason::TooLarge); }

// The bytes libzip wrote into `buffer`.
std::string contentsOf(zip_source_t* buffer) {
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_source_open(buffer) != 0) fail();
    std::string out;
    if (zip_source_stat(buffer, &info) == 0 && (info.valid & ZIP_STAT_SIZE)) {
        out.resize(static_cast<std::size_t>(info.size));
        const zip_int64_t got = zip_source_read(buffer, out.data(), out.size());
        if (got < 0 || static_cast<std::uint64_t>(got) != info.size) out.clear();
    }
    zip_source_close(buffer);
    if (out.empty()) fail();
    return out;
}

}  // namespace

std::string writeStoredZip(const std::vector<std::pair<std::string, std::string>>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    const Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_error_fini(&error);
    if (!buffer) fail();
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr);
    if (!archive) fail();
    // The buffer outlives the archive: what zip_close writes is read from it.
    zip_source_keep(buffer.get());
    for (const auto& [name, bytes] : entries) {
        zip_source_t* part = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        const zip_int64_t index = part ? zip_file_add(archive, name.c_str(), part, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) != 0) {
            if (part && index < 0) zip_source_free(part);
            zip_discard(archive);
            fail();
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        fail();
    }
    return contentsOf(buffer.get());
}

}  // namespace harvelux::wordproc
