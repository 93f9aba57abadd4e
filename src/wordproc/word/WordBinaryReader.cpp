#include "wordproc/word/WordBinaryReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/word/Word95Reader.h"
#include "wordproc/word/Word97Reader.h"

namespace harvelux::wordproc {

namespace {

constexpr std::u16string_view kWordDocument = u"WordDocument";
constexpr std::uint16_t kWordIdent = 0xA5EC;
constexpr std::uint16_t kWord6Ident = 0xA5DC;
constexpr std::uint16_t kFirstWord6Fib = 101;
constexpr std::uint16_t kFirstWord97Fib = 0xC0;

// Word 97 and later lead the FIB's arrays with fixed minimum counts: 14
// 16-bit words, then 22 longs.
bool hasWord97Layout(std::string_view stream) {
    return stream.size() >= 0x40 && le16(stream, 0x20, "the FIB") == 14 && le16(stream, 0x3E, "the FIB") == 22;
}

}  // namespace

bool isWordBinary(const CompoundFile& file) {
    const std::optional<std::uint32_t> id = file.find(kWordDocument);
    return id && file.entry(*id).type == CompoundFile::EntryType::Stream;
}

std::string readWordBinaryText(const CompoundFile& file, const ReadOptions& options) {
    const std::optional<std::string> stream = file.readRootStream(kWordDocument);
    if (!stream) throw EngineError("not a Word document");
    const std::uint16_t ident = le16(*stream, 0, "the file information block");
    const std::uint16_t nFib = le16(*stream, 2, "the file information block");
    const bool knownIdent = ident == kWordIdent || ident == kWord6Ident;
    // Other programs wrote Word 6/95 files with identification words of
    // their own; a header that is sound otherwise is read.
    if (!knownIdent && !hasWord95Header(*stream)) throw EngineError("not a Word document");
    if (knownIdent && (nFib >= kFirstWord97Fib || hasWord97Layout(*stream))) {
        const std::optional<std::string> table = file.readRootStream(word97TableStreamName(*stream));
        if (!table) throw EngineError("the document has no table stream");
        return readWord97Text(*stream, *table, options);
    }
    if (nFib >= kFirstWord6Fib) return readWord95Text(*stream, options);
    throw EngineError("unsupported Word version");
}

}  // namespace harvelux::wordproc
