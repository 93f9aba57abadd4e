#include "wordproc/sheet/SheetExcelComments.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/text/TextBuilder.h"

#include "common/Utf8.h"

namespace harvelux::wordproc {

namespace {

constexpr std::uint16_t kHeader = 0x0014;
constexpr std::uint16_t kFooter = 0x0015;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kTxo = 0x01B6;
constexpr std::uint8_t kHighBytes = 0x01;  // the characters are UTF-16, not their low bytes

// `count` characters of `bytes`, UTF-16LE or one byte each (Latin-1).
void appendCharacters(std::string_view bytes, std::size_t count, bool wide, std::string& out) {
    const std::size_t width = wide ? 2 : 1;
    count = std::min(count, bytes.size() / width);
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = byteAt(bytes, i * width);
        if (wide) c |= static_cast<char32_t>(byteAt(bytes, i * width + 1)) << 8;
        if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
        appendUtf8(out, c == '\n' ? char32_t{'\r'} : c);
    }
}

// A header's or footer's text without its codes (&L, &P, &"Arial", &12).
std::string withoutCodes(const std::string& code) {
    std::string text;
    for (std::size_t at = 0; at < code.size(); ++at) {
        if (code[at] != '&') {
            text += code[at];
        } else if (at + 1 < code.size() && code[at + 1] == '&') {
            text += code[++at];
        } else if (at + 1 < code.size() && code[at + 1] == '"') {
            const std::size_t close = code.find('"', at + 2);
            at = close == std::string::npos ? code.size() : close;
        } else {
            ++at;
            while (at + 1 < code.size() && code[at + 1] >= '0' && code[at + 1] <= '9') ++at;
            if (!text.empty() && text.back() != ' ') text += ' ';
        }
    }
    return text;
}

}  // namespace

ExcelStories readExcelStories(const CompoundFile& file) {
    ExcelStories stories;
    const auto id = file.find(u"Workbook");
    if (!id || file.entry(*id).type != CompoundFile::EntryType::Stream) return stories;
    const std::string stream = file.readStream(*id);
    TextBuilder comments;     // under the text cap
    std::size_t pending = 0;  // characters of a TXO still to come in CONTINUE records
    try {
        for (std::size_t at = 0; at + 4 <= stream.size();) {
            WorkBudget::charge();
            const std::uint16_t type = le16(stream, at, "a record");
            const std::uint16_t length = le16(stream, at + 2, "a record");
            const std::string_view body = sliceOf(stream, at + 4, length, "a record");
            at += 4u + length;
            if (type == kTxo) {
                pending = body.size() >= 12 ? le16(body, 10, "a text object") : 0;
            } else if (type == kContinue && pending > 0 && !body.empty()) {
                const bool wide = (byteAt(body, 0) & kHighBytes) != 0;
                std::string text;
                appendCharacters(body.substr(1), pending, wide, text);
                const std::size_t read = std::min(pending, (body.size() - 1) / (wide ? 2 : 1));
                pending -= read;
                comments.append(text);
                if (pending == 0) comments.append(chars::kParagraph);
            } else if ((type == kHeader || type == kFooter) && body.size() >= 3) {
                pending = 0;
                std::string code;
                appendCharacters(body.substr(3), le16(body, 0, "a header"), (byteAt(body, 2) & kHighBytes) != 0, code);
                const std::string text = withoutCodes(code);
                if (text.find_first_not_of(' ') != std::string::npos) stories.headersFooters += text + '\r';
            } else {
                pending = 0;
            }
        }
    } catch (const EngineError& error) {
        if (error.reason() == UnreadableReason::TooLarge) throw;
    }
    stories.comments = comments.take();
    return stories;
}

}  // namespace harvelux::wordproc
