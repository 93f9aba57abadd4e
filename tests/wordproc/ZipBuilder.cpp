#include "ZipBuilder.h"

#include <zip.h>

#include <stdexcept>

namespace harvelux::wordproc::testing {

std::string makeZip(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) throw std::runtime_error("cannot create a ZIP archive");
    zip_source_keep(buffer);
    for (const ZipEntry& entry : entries) {
        zip_source_t* data = zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), data, ZIP_FL_OVERWRITE);
        if (index < 0) throw std::runtime_error("cannot add " + entry.name);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 entry.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write the ZIP archive");

    std::string bytes;
    zip_stat_t info;
    if (zip_source_stat(buffer, &info) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(info.size);
        const zip_int64_t got = zip_source_read(buffer, bytes.data(), bytes.size());
        bytes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

}  // namespace harvelux::wordproc::testing
