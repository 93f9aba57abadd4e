#include "WordDocumentBuilder.h"

#include "CompoundFileBuilder.h"

namespace harvelux::wordproc::test {

namespace {

// A PlcPcd for pieces of the given lengths at the given stored fc values.
std::string plcPcd(const std::vector<std::uint32_t>& lengths, const std::vector<std::uint32_t>& fcs) {
    std::string plc;
    std::uint32_t cp = 0;
    put32(plc, 0, cp);
    for (std::size_t i = 0; i < lengths.size(); ++i) put32(plc, 4 * (i + 1), cp += lengths[i]);
    for (std::size_t i = 0; i < fcs.size(); ++i) put32(plc, 4 * (lengths.size() + 1) + 8 * i + 2, fcs[i]);
    plc.resize(4 * (lengths.size() + 1) + 8 * fcs.size(), '\0');
    return plc;
}

std::string clx(const std::string& plc, int prcs) {
    std::string out;
    for (int i = 0; i < prcs; ++i) out += std::string("\x01\x03\x00\x08\x00\x01", 6);
    out += '\x02';
    put32(out, out.size(), static_cast<std::uint32_t>(plc.size()));
    return out + plc;
}

}  // namespace

Word97Streams word97Streams(const std::vector<TestPiece>& pieces, std::uint32_t ccpText, std::uint16_t flags,
                            int prcs) {
    Word97Streams s;
    std::string& wd = s.wordDocument;
    put16(wd, 0, 0xA5EC);
    put16(wd, 2, 0xC1);
    put16(wd, 0x0A, flags);
    put16(wd, 0x20, 14);               // csw
    put16(wd, 0x3E, 22);               // cslw
    put32(wd, 0x40 + 4 * 3, ccpText);  // FibRgLw97.ccpText
    put16(wd, 0x98, 93);               // cbRgFcLcb (Word 97)
    wd.resize(0x400, '\0');

    s.pieceOffsets.resize(pieces.size());
    std::vector<std::uint32_t> lengths, fcs(pieces.size());
    for (const TestPiece& piece : pieces) lengths.push_back(static_cast<std::uint32_t>(piece.text.size()));
    for (std::size_t i = pieces.size(); i-- > 0;) {
        const TestPiece& piece = pieces[i];
        wd.resize((wd.size() + 1) & ~std::size_t{1}, '\0');
        s.pieceOffsets[i] = wd.size();
        fcs[i] = piece.compressed ? (static_cast<std::uint32_t>(2 * wd.size()) | 0x40000000u)
                                  : static_cast<std::uint32_t>(wd.size());
        for (const char16_t c : piece.text) {
            if (piece.compressed) {
                wd += static_cast<char>(c);
            } else {
                put16(wd, wd.size(), c);
            }
        }
    }
    s.table.assign(0x40, '\0');
    s.clxOffset = s.table.size();
    const std::string clxBytes = clx(plcPcd(lengths, fcs), prcs);
    s.table += clxBytes;
    put32(wd, 0x9A + 8 * 33, static_cast<std::uint32_t>(s.clxOffset));
    put32(wd, 0x9A + 8 * 33 + 4, static_cast<std::uint32_t>(clxBytes.size()));
    wd.resize(std::max<std::size_t>(wd.size(), 4096), '\0');  // a regular, not a mini, stream
    return s;
}

std::string word97File(const Word97Streams& streams, const std::string& tableName) {
    return buildCompoundFile({{"WordDocument", streams.wordDocument}, {tableName, streams.table}}).bytes;
}

namespace {

// Lays out an 8-bit document: header fields, then the text (one run at
// fcMin, or two pieces in reverse order and the CLX after them), then the
// font table. Returns the stream; `put` writes the version's fields.
struct EightBitLayout {
    std::uint32_t fcMin = 0;
    std::uint32_t fcMac = 0;
    std::uint32_t fcClx = 0;
    std::uint32_t cbClx = 0;
    std::uint32_t fcFonts = 0;
};

EightBitLayout layOut(std::string& wd, const std::string& text, const EightBitWordOptions& options,
                      bool shortPieceCount) {
    EightBitLayout layout;
    layout.fcMin = static_cast<std::uint32_t>(wd.size());
    if (!options.asPieces) {
        wd += text;
    } else {
        const std::size_t half = text.size() / 2;
        const std::uint32_t second = static_cast<std::uint32_t>(wd.size());
        wd += text.substr(half);
        const std::uint32_t first = static_cast<std::uint32_t>(wd.size());
        wd += text.substr(0, half);
        const std::string plc =
            plcPcd({static_cast<std::uint32_t>(half), static_cast<std::uint32_t>(text.size() - half)}, {first, second});
        std::string clxBytes = clx(plc, 1);
        if (shortPieceCount) clxBytes.erase(clxBytes.size() - plc.size() - 2, 2);  // a 16-bit count
        layout.fcClx = static_cast<std::uint32_t>(wd.size());
        layout.cbClx = static_cast<std::uint32_t>(clxBytes.size());
        wd += clxBytes;
    }
    layout.fcMac = static_cast<std::uint32_t>(wd.size());
    layout.fcFonts = layout.fcMac;
    wd += options.fontTable;
    return layout;
}

}  // namespace

std::string word95Stream(const std::string& text, const EightBitWordOptions& options) {
    std::string wd;
    put16(wd, 0, options.ident ? options.ident : 0xA5DC);
    put16(wd, 2, 101);
    put16(wd, 0x06, options.lid);
    put16(wd, 0x0A, options.flags);
    put16(wd, 0x14, options.characterSet);
    put32(wd, 0x34, static_cast<std::uint32_t>(text.size()));
    wd.resize(0x300, '\0');
    const EightBitLayout layout = layOut(wd, text, options, false);
    put32(wd, 0x18, layout.fcMin);
    put32(wd, 0x1C, layout.fcMac);
    put32(wd, 0xD0, layout.fcFonts);
    put32(wd, 0xD4, static_cast<std::uint32_t>(options.fontTable.size()));
    put32(wd, 0x160, layout.fcClx);
    put32(wd, 0x164, layout.cbClx);
    return wd;
}

std::string word2File(const std::string& text, const EightBitWordOptions& options) {
    std::string file;
    put16(file, 0, options.ident ? options.ident : 0xA5DB);
    put16(file, 2, 45);
    put16(file, 0x06, options.lid);
    put16(file, 0x0A, static_cast<std::uint16_t>(options.flags | (options.asPieces ? 0x0004 : 0)));
    put32(file, 0x34, static_cast<std::uint32_t>(text.size()));
    file.resize(0x180, '\0');
    const EightBitLayout layout = layOut(file, text, options, true);
    put32(file, 0x18, layout.fcMin);
    put32(file, 0x1C, layout.fcMac);
    put32(file, 0xB2, layout.fcFonts);
    put16(file, 0xB6, static_cast<std::uint16_t>(options.fontTable.size()));
    put32(file, 0x11E, layout.fcClx);
    put16(file, 0x122, static_cast<std::uint16_t>(layout.cbClx));
    return file;
}

std::string fontTable(const std::vector<std::uint8_t>& charsets, std::size_t charsetOffset) {
    std::string table(2, '\0');
    for (const std::uint8_t charset : charsets) {
        std::string entry(charsetOffset + 1, '\0');
        entry[charsetOffset] = static_cast<char>(charset);
        entry += "Font";
        entry += '\0';
        entry[0] = static_cast<char>(entry.size() - 1);
        table += entry;
    }
    put16(table, 0, static_cast<std::uint16_t>(table.size()));
    return table;
}

}  // namespace harvelux::wordproc::test
