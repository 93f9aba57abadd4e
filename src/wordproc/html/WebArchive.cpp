#include "wordproc/html/WebArchive.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/MimeParts.h"
#include "wordproc/encoding/ByteOrderMark.h"
#include "wordproc/text/ReaderCaps.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kHeadBytes = std::size_t{64} * 1024;
constexpr int kMaxPartNesting = 8;

// Whether the first line is a header line ("Name: value").
bool startsWithHeaderLine(std::string_view data) {
    const std::size_t colon = data.find(':');
    if (colon == 0 || colon == std::string_view::npos || colon > 76) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c <= 0x20 || c >= 0x7F) return false;
    }
    return true;
}

// The first text/html entity, depth first, as a mail reader shows it.
std::optional<mime::Entity> firstHtmlPart(std::string_view data, int depth) {
    mime::Entity entity = mime::parseEntity(data);
    if (entity.contentType == "text/html") return entity;
    if (entity.contentType.compare(0, 10, "multipart/") != 0 || depth >= kMaxPartNesting) return std::nullopt;
    for (const std::string_view part : mime::splitMultipart(entity.body, entity.boundary)) {
        if (auto html = firstHtmlPart(part, depth + 1)) return html;
    }
    return std::nullopt;
}

// The name iconv knows a MIME charset by. Pages labelled Latin-1 or ASCII
// are read as Windows-1252, as browsers read them.
std::string iconvCharset(const std::string& charset) {
    if (charset == "iso-8859-1" || charset == "latin1" || charset == "us-ascii" || charset == "ascii") {
        return "WINDOWS-1252";
    }
    return charset;
}

// The bytes in UTF-8, or nothing when iconv lacks the charset or the bytes
// do not fit it.
std::optional<std::string> toUtf8(std::string_view bytes, const std::string& charset) {
    const iconv_t descriptor = iconv_open("UTF-8", iconvCharset(charset).c_str());
    // iconv_open reports failure as (iconv_t)-1; there is no other way to tell.
    if (descriptor == reinterpret_cast<iconv_t>(-1)) return std::nullopt;  // NOLINT(performance-no-int-to-ptr)
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t written = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* outPointer = out.data() + written;
        std::size_t outLeft = out.size() - written;
        const std::size_t result = iconv(descriptor, &in, &inLeft, &outPointer, &outLeft);
        written = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG || out.size() >= kMaxMarkupBytes) {
            ok = false;
            break;
        }
        out.resize(std::min<std::size_t>(out.size() * 2, kMaxMarkupBytes));
    }
    iconv_close(descriptor);
    if (!ok) return std::nullopt;
    out.resize(written);
    return out;
}

}  // namespace

bool looksLikeWebArchive(std::string_view data) {
    if (!startsWithHeaderLine(data)) return false;
    return mime::parseEntity(data.substr(0, kHeadBytes)).contentType == "multipart/related";
}

std::string webArchivePage(std::string_view data) {
    const std::optional<mime::Entity> part = firstHtmlPart(data, 0);
    if (!part) throw EngineError("the web archive holds no HTML page");
    std::string html;
    if (part->transferEncoding == "quoted-printable") {
        html = mime::decodeQuotedPrintable(part->body);
    } else if (part->transferEncoding == "base64") {
        html = mime::decodeBase64(part->body);
    } else {
        html.assign(part->body);  // 7bit, 8bit, binary
    }
    // A byte-order mark of its own outweighs the part's charset.
    if (part->charset.empty() || byteOrderMarkOf(html) != ByteOrderMark::None) return html;
    std::optional<std::string> utf8 = toUtf8(html, part->charset);
    if (!utf8) return html;
    return std::string(kUtf8ByteOrderMark) + *utf8;
}

}  // namespace harvelux::wordproc
