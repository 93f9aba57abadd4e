#include "wordproc/outlook/OutlookMessageText.h"

#include "common/Utf8.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/encoding/CodePages.h"
#include "wordproc/module/PdfHtmlModule.h"
#include "wordproc/outlook/OutlookCompressedRtf.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {

bool blank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

void appendLine(TextBuilder& text, std::string_view line) {
    text.append(line);
    text.append(chars::kParagraph);
}

}  // namespace

std::string utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) |
                        (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
        if (unit == 0) break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                                 (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) unit = 0xFFFD;
        appendUtf8(out, unit);
    }
    return out;
}

std::string eightBitToUtf8(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    if (isValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    for (const char c : bytes) appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string composeOutlookMessageText(const OutlookMessageParts& parts, const ReadOptions& options) {
    TextBuilder text;
    // The people and the subject are the message's header; the body after
    // them is its main text.
    markStory(text, StoryKind::MailHeader);
    for (const auto& [name, address] : parts.people) {
        if (address.empty() && name.empty()) continue;
        if (address.empty() || name.empty() || name == address) {
            appendLine(text, address.empty() ? name : address);
        } else {
            std::string line = name;
            line.append(" <").append(address).append(">");
            appendLine(text, line);
        }
    }
    if (!parts.subject.empty()) appendLine(text, parts.subject);
    text.append(chars::kParagraph);
    markStory(text, StoryKind::Main);
    const bool hasPlain = !blank(parts.plainBody);
    const bool hasHtml = !blank(parts.htmlBody);
    if (hasPlain) appendLine(text, parts.plainBody);
    if (hasHtml && (!hasPlain || options.allStories)) appendLine(text, readHtmlThroughModule(parts.htmlBody, options));
    if (!hasPlain && !hasHtml && parts.compressedRtf.size() > 16) {
        const std::string rtf = decompressOutlookRtf(parts.compressedRtf);
        if (!blank(rtf)) appendLine(text, readDocumentText(rtf, options));
    }
    if (options.allStories && !blank(parts.transportHeaders)) {
        markStory(text, StoryKind::MailHeader);
        appendLine(text, parts.transportHeaders);
    }
    return text.take();
}

}  // namespace harvelux::wordproc
