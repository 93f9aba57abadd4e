// Writes the hostile containers of tests/support/HostileContainers.h into a
// folder, at their full sizes, for bench/hostile_containers.sh.
// Usage: make_hostile_containers FOLDER
#include "HostileContainers.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace hostile = harvelux::testfiles::hostile;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::printf("%s\t%zu bytes\n", name.c_str(), bytes.size());
        return static_cast<bool>(out);
    };
    constexpr std::uint64_t kMember = 250ull << 20;  // just under a member's cap
    const bool written = write("nested-bomb.zip", hostile::nestedZipBomb()) &&
                         write("nested-packages-bomb.zip", hostile::nestedZipBomb(true)) &&
                         write("overlap-bomb.zip", hostile::overlappingZipBomb(10000, kMember, false)) &&
                         write("overlap-bomb.docx", hostile::overlappingZipBomb(10000, kMember, true)) &&
                         write("self.zip", hostile::selfNamingZip(64)) &&
                         write("million-empty.tar.gz", hostile::emptyFilesTarGz(1000000)) &&
                         write("attachments.eml", hostile::mailWithAttachments(10000));
    return written ? 0 : 1;
}
