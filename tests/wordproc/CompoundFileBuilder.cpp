#include "CompoundFileBuilder.h"

#include <algorithm>

namespace harvelux::wordproc::test {

namespace {

constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;

struct Node {
    std::string name;
    std::uint8_t type = 0;
    std::vector<std::size_t> children;
    std::string data;
    std::uint32_t left = kFree, right = kFree, child = kFree, start = kEndOfChain;
};

std::size_t ceilDiv(std::size_t a, std::size_t b) { return (a + b - 1) / b; }

// Links sorted siblings into a balanced binary tree; returns its root.
std::uint32_t linkTree(std::vector<Node>& nodes, const std::vector<std::size_t>& ids, std::size_t lo, std::size_t hi) {
    if (lo >= hi) return kFree;
    const std::size_t mid = (lo + hi) / 2;
    Node& node = nodes[ids[mid]];
    node.left = linkTree(nodes, ids, lo, mid);
    node.right = linkTree(nodes, ids, mid + 1, hi);
    return static_cast<std::uint32_t>(ids[mid]);
}

}  // namespace

std::size_t CompoundImage::fatEntryOffset(std::uint32_t sector) const {
    const std::size_t perSector = (std::size_t{1} << sectorShift) / 4;
    return offsetOf(fatSectors.at(sector / perSector)) + 4 * (sector % perSector);
}

void CompoundImage::putLe32(std::size_t offset, std::uint32_t value) { put32(bytes, offset, value); }

CompoundImage buildCompoundFile(const StreamList& streams, unsigned sectorShift, std::size_t minFatSectors) {
    const std::size_t ss = std::size_t{1} << sectorShift, per = ss / 4;
    std::vector<Node> nodes(1);
    nodes[0].name = "Root Entry";
    nodes[0].type = 5;
    for (const auto& [path, data] : streams) {
        std::size_t parent = 0, pos = 0;
        while (true) {
            const std::size_t slash = path.find('/', pos);
            const std::string name = path.substr(pos, slash - pos);
            auto& siblings = nodes[parent].children;
            auto it =
                std::find_if(siblings.begin(), siblings.end(), [&](std::size_t i) { return nodes[i].name == name; });
            if (it == siblings.end()) {
                nodes.push_back(Node{name, static_cast<std::uint8_t>(slash == std::string::npos ? 2 : 1), {}, data});
                nodes[parent].children.push_back(nodes.size() - 1);
                it = nodes[parent].children.end() - 1;
            }
            if (slash == std::string::npos) break;
            parent = *it;
            pos = slash + 1;
        }
    }
    for (Node& node : nodes) {
        std::sort(node.children.begin(), node.children.end(), [&](std::size_t a, std::size_t b) {
            return std::make_pair(nodes[a].name.size(), nodes[a].name) <
                   std::make_pair(nodes[b].name.size(), nodes[b].name);
        });
        node.child = linkTree(nodes, node.children, 0, node.children.size());
    }

    std::string mini;
    std::vector<std::uint32_t> miniFat;
    std::size_t dataSectors = 0;
    for (Node& node : nodes) {
        if (node.type != 2) continue;
        if (node.data.size() < 4096) {
            node.start = node.data.empty() ? kEndOfChain : static_cast<std::uint32_t>(mini.size() / 64);
            const std::size_t count = ceilDiv(node.data.size(), 64);
            for (std::size_t i = 0; i < count; ++i)
                miniFat.push_back(i + 1 < count ? node.start + static_cast<std::uint32_t>(i) + 1 : kEndOfChain);
            mini += node.data;
            mini.resize(ceilDiv(mini.size(), 64) * 64, '\0');
        } else {
            dataSectors += ceilDiv(node.data.size(), ss);
        }
    }
    const std::size_t dirSectors = ceilDiv(nodes.size() * 128, ss);
    const std::size_t miniFatSectors = ceilDiv(miniFat.size() * 4, ss), miniSectors = ceilDiv(mini.size(), ss);
    const std::size_t others = dirSectors + miniFatSectors + miniSectors + dataSectors;
    std::size_t fatCount = std::max<std::size_t>(minFatSectors, 1), difatCount = 0;
    for (std::size_t round = 0; round < 8; ++round) {
        fatCount = std::max(fatCount, ceilDiv(fatCount + difatCount + others, per));
        difatCount = fatCount > 109 ? ceilDiv(fatCount - 109, per - 1) : 0;
    }

    CompoundImage image;
    image.sectorShift = sectorShift;
    std::vector<std::uint32_t> fat(fatCount * per, kFree);
    std::uint32_t next = 0;
    std::vector<std::string> content;
    const auto place = [&](const std::string& bytes, std::size_t count, std::uint32_t mark) {
        const std::uint32_t first = count ? next : kEndOfChain;
        for (std::size_t i = 0; i < count; ++i, ++next) {
            fat[next] = mark ? mark : (i + 1 < count ? next + 1 : kEndOfChain);
            content.push_back(i * ss < bytes.size() ? bytes.substr(i * ss, ss) : std::string());
        }
        return first;
    };
    for (std::size_t i = 0; i < fatCount; ++i) image.fatSectors.push_back(next + static_cast<std::uint32_t>(i));
    place({}, fatCount, kFatSector);
    for (std::size_t i = 0; i < difatCount; ++i) image.difatSectors.push_back(next + static_cast<std::uint32_t>(i));
    place({}, difatCount, kDifatSector);

    std::string dir(dirSectors * ss, '\0');
    image.directory = next;
    place({}, dirSectors, 0);
    std::string miniFatBytes(miniFatSectors * ss, '\xFF');
    for (std::size_t i = 0; i < miniFat.size(); ++i) put32(miniFatBytes, 4 * i, miniFat[i]);
    image.miniFat = place(miniFatBytes, miniFatSectors, 0);
    nodes[0].start = place(mini, miniSectors, 0);
    for (Node& node : nodes)
        if (node.type == 2 && node.data.size() >= 4096) node.start = place(node.data, ceilDiv(node.data.size(), ss), 0);

    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& node = nodes[i];
        const std::size_t at = 128 * i;
        for (std::size_t c = 0; c < node.name.size(); ++c)
            put16(dir, at + 2 * c, static_cast<unsigned char>(node.name[c]));
        put16(dir, at + 0x40, static_cast<std::uint16_t>(2 * (node.name.size() + 1)));
        dir[at + 0x42] = static_cast<char>(node.type);
        dir[at + 0x43] = 1;
        put32(dir, at + 0x44, node.left);
        put32(dir, at + 0x48, node.right);
        put32(dir, at + 0x4C, node.child);
        put32(dir, at + 0x74, node.start);
        put32(dir, at + 0x78, static_cast<std::uint32_t>(i == 0 ? mini.size() : node.data.size()));
        if (node.type == 2) image.start[node.name] = node.start;
    }
    for (std::size_t i = 0; i < dirSectors; ++i) content[image.directory + i] = dir.substr(i * ss, ss);
    for (std::size_t i = 0; i < fatCount; ++i) {
        std::string sector(ss, '\0');
        for (std::size_t e = 0; e < per; ++e) put32(sector, 4 * e, fat[i * per + e]);
        content[image.fatSectors[i]] = sector;
    }
    for (std::size_t d = 0; d < difatCount; ++d) {
        std::string sector(ss, '\xFF');
        for (std::size_t e = 0; e + 1 < per; ++e) {
            const std::size_t index = 109 + d * (per - 1) + e;
            if (index < fatCount) put32(sector, 4 * e, image.fatSectors[index]);
        }
        put32(sector, ss - 4, d + 1 < difatCount ? image.difatSectors[d + 1] : kEndOfChain);
        content[image.difatSectors[d]] = sector;
    }

    std::string header(ss, '\0');
    header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    put16(header, 0x18, 0x3E);
    put16(header, 0x1A, sectorShift == 12 ? 4 : 3);
    put16(header, 0x1C, 0xFFFE);
    put16(header, 0x1E, static_cast<std::uint16_t>(sectorShift));
    put16(header, 0x20, 6);
    put32(header, 0x28, sectorShift == 12 ? static_cast<std::uint32_t>(dirSectors) : 0);
    put32(header, 0x2C, static_cast<std::uint32_t>(fatCount));
    put32(header, 0x30, image.directory);
    put32(header, 0x38, 4096);
    put32(header, 0x3C, image.miniFat);
    put32(header, 0x40, static_cast<std::uint32_t>(miniFatSectors));
    put32(header, 0x44, difatCount ? image.difatSectors[0] : kEndOfChain);
    put32(header, 0x48, static_cast<std::uint32_t>(difatCount));
    for (std::size_t i = 0; i < 109; ++i) put32(header, 0x4C + 4 * i, i < fatCount ? image.fatSectors[i] : kFree);
    image.bytes = header;
    for (std::string& sector : content) {
        sector.resize(ss, '\0');
        image.bytes += sector;
    }
    return image;
}

}  // namespace harvelux::wordproc::test
