#include "wordproc/mail/MailReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/MemberSink.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/PdfHtmlModule.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

namespace harvelux::wordproc {

namespace {

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

template <typename T>
bool isA(GMimeObject* object, GType type) {
    return object && g_type_check_instance_is_a(reinterpret_cast<GTypeInstance*>(object), type);
}

template <typename T>
T* as(GMimeObject* object) {
    return reinterpret_cast<T*>(object);
}

struct Unref {
    void operator()(void* object) const {
        if (object) g_object_unref(object);
    }
};
template <typename T>
using Ref = std::unique_ptr<T, Unref>;

// A stream over `data` itself: the parser only reads it, and the parts it
// builds refer to it, so the message (tens of megabytes with its
// attachments) is not copied first. `data` outlives the parser and what it
// builds. The array is only a view: the stream does not own it, and it is
// let go without its bytes when the stream goes.
Ref<GMimeStream> streamOver(std::string_view data) {
    GByteArray* view = g_byte_array_new_take(reinterpret_cast<guint8*>(const_cast<char*>(data.data())), data.size());
    Ref<GMimeStream> stream(g_mime_stream_mem_new_with_byte_array(view));
    g_mime_stream_mem_set_owner(reinterpret_cast<GMimeStreamMem*>(stream.get()), FALSE);
    g_object_set_data_full(reinterpret_cast<GObject*>(stream.get()), "harvelux-view", view,
                           [](gpointer array) { g_byte_array_free(static_cast<GByteArray*>(array), FALSE); });
    return stream;
}

Ref<GMimeParser> parserFor(std::string_view data, GMimeFormat format) {
    initialiseOnce();
    const Ref<GMimeStream> stream = streamOver(data);
    Ref<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    g_mime_parser_set_format(parser.get(), format);
    return parser;
}

Ref<GMimeMessage> parseMessage(std::string_view data) {
    const Ref<GMimeParser> parser = parserFor(data, GMIME_FORMAT_MESSAGE);
    Ref<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    if (!message) throw EngineError("not a readable e-mail message");
    return message;
}

// A part's content with its transfer encoding undone, at most `room` bytes.
std::optional<std::string> decodedContent(GMimePart* part, std::uint64_t room) {
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    if (!content) return std::string();
    const Ref<GMimeStream> memory(g_mime_stream_mem_new());
    if (g_mime_data_wrapper_write_to_stream(content, memory.get()) < 0) return std::string();
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(reinterpret_cast<GMimeStreamMem*>(memory.get()));
    if (!bytes) return std::string();
    if (bytes->len > room) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes->data), bytes->len);
}

// Text in the part's character set, as UTF-8.
std::string partText(GMimePart* part) {
    std::string raw = decodedContent(part, kMaxInflatedBytes).value_or(std::string());
    const char* charset = g_mime_object_get_content_type_parameter(reinterpret_cast<GMimeObject*>(part), "charset");
    gchar* converted = nullptr;
    if (charset && g_ascii_strcasecmp(charset, "utf-8") != 0 && g_ascii_strcasecmp(charset, "us-ascii") != 0)
        converted = g_convert_with_fallback(raw.data(), static_cast<gssize>(raw.size()), "UTF-8",
                                            g_mime_charset_iconv_name(charset), "?", nullptr, nullptr, nullptr);
    if (!converted) converted = g_utf8_make_valid(raw.data(), static_cast<gssize>(raw.size()));
    std::string text(converted);
    g_free(converted);
    return text;
}

void appendLines(TextBuilder& text, const std::string& body) {
    std::string lines;
    lines.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') continue;
        lines += body[i] == '\n' ? '\r' : body[i];
    }
    text.append(lines);
    if (!text.endsWith('\r')) text.append(U'\r');
}

void appendAddresses(TextBuilder& text, InternetAddressList* list, int depth = 0) {
    if (!list || depth > 4) return;
    const int count = internet_address_list_length(list);
    for (int i = 0; i < count; ++i) {
        WorkBudget::charge();
        InternetAddress* address = internet_address_list_get_address(list, i);
        auto* object = reinterpret_cast<GTypeInstance*>(address);
        if (g_type_check_instance_is_a(object, internet_address_group_get_type())) {
            appendAddresses(text, internet_address_group_get_members(reinterpret_cast<InternetAddressGroup*>(address)),
                            depth + 1);
            continue;
        }
        if (!g_type_check_instance_is_a(object, internet_address_mailbox_get_type())) continue;
        const char* addr = internet_address_mailbox_get_addr(reinterpret_cast<InternetAddressMailbox*>(address));
        if (!addr || !*addr) continue;
        const char* name = internet_address_get_name(address);
        if (name && *name) {
            text.append(name);
            text.append(" <");
            text.append(addr);
            text.append(">");
        } else {
            text.append(addr);
        }
        text.append(U'\r');
    }
}

// The parts of a message in order, without recursion: its body parts and
// its attachments, an attached message standing for itself.
struct MessageParts {
    GMimePart* plain = nullptr;
    GMimePart* html = nullptr;
    std::vector<GMimeObject*> attachments;
};

bool isAttachment(GMimeObject* object) {
    const char* disposition = g_mime_object_get_disposition(object);
    return (disposition && g_ascii_strcasecmp(disposition, "attachment") == 0) ||
           g_mime_object_get_content_disposition_parameter(object, "filename") ||
           g_mime_object_get_content_type_parameter(object, "name");
}

MessageParts partsOf(GMimeMessage* message) {
    MessageParts parts;
    std::vector<GMimeObject*> pending;
    if (GMimeObject* body = g_mime_message_get_mime_part(message)) pending.push_back(body);
    while (!pending.empty()) {
        WorkBudget::charge();
        GMimeObject* object = pending.back();
        pending.pop_back();
        if (isA<GMimeMultipart>(object, g_mime_multipart_get_type())) {
            auto* multipart = as<GMimeMultipart>(object);
            // Pushed last first, so that they come off in order.
            for (int i = g_mime_multipart_get_count(multipart); i-- > 0;)
                pending.push_back(g_mime_multipart_get_part(multipart, i));
            continue;
        }
        if (isA<GMimeMessagePart>(object, g_mime_message_part_get_type())) {
            parts.attachments.push_back(object);
            continue;
        }
        if (!isA<GMimePart>(object, g_mime_part_get_type())) continue;
        GMimeContentType* type = g_mime_object_get_content_type(object);
        const bool text = type && g_mime_content_type_is_type(type, "text", "*");
        if (!isAttachment(object) && text && g_mime_content_type_is_type(type, "text", "plain") && !parts.plain) {
            parts.plain = as<GMimePart>(object);
            continue;
        }
        if (!isAttachment(object) && text && g_mime_content_type_is_type(type, "text", "html") && !parts.html) {
            parts.html = as<GMimePart>(object);
            continue;
        }
        parts.attachments.push_back(object);
    }
    return parts;
}

std::string attachmentName(GMimeObject* object, std::size_t number) {
    const char* name = g_mime_object_get_content_disposition_parameter(object, "filename");
    if (!name) name = g_mime_object_get_content_type_parameter(object, "name");
    if (name && *name) return name;
    if (isA<GMimeMessagePart>(object, g_mime_message_part_get_type())) {
        GMimeMessage* inner = g_mime_message_part_get_message(as<GMimeMessagePart>(object));
        const char* subject = inner ? g_mime_message_get_subject(inner) : nullptr;
        if (subject && *subject) return std::string(subject) + ".eml";
        return "message " + std::to_string(number) + ".eml";
    }
    return "attachment " + std::to_string(number);
}

// A part's content undone from its transfer encoding, out of `encoded`.
std::string decodeContent(std::string_view encoded, GMimeContentEncoding encoding) {
    GMimeEncoding state;
    g_mime_encoding_init_decode(&state, encoding);
    std::string out(g_mime_encoding_outlen(&state, encoded.size()), '\0');
    const std::size_t length = g_mime_encoding_flush(&state, encoded.data(), encoded.size(), out.data());
    out.resize(std::min(length, out.size()));
    return out;
}

// An attachment whose content lies in the message's bytes as they are,
// decoded by the thread that reads it. Nullopt when its content is not a
// stretch of those bytes.
std::optional<DeferredMember> deferredAttachment(GMimePart* part, std::string_view data, std::string name) {
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    GMimeStream* stream = content ? g_mime_data_wrapper_get_stream(content) : nullptr;
    if (!stream || !GMIME_IS_STREAM_MEM(stream)) return std::nullopt;
    GByteArray* array = g_mime_stream_mem_get_byte_array(reinterpret_cast<GMimeStreamMem*>(stream));
    if (!array || reinterpret_cast<const char*>(array->data) != data.data()) return std::nullopt;
    const gint64 start = stream->bound_start;
    const gint64 end = stream->bound_end < 0 ? static_cast<gint64>(data.size()) : stream->bound_end;
    if (start < 0 || end < start || static_cast<std::uint64_t>(end) > data.size()) return std::nullopt;
    const std::string_view encoded =
        data.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    const GMimeContentEncoding encoding = g_mime_data_wrapper_get_encoding(content);
    GMimeEncoding state;
    g_mime_encoding_init_decode(&state, encoding);
    // What it decodes to is at most this; its first bytes come from the first
    // stretch of the encoded text (each encoding at most doubles a byte).
    const std::uint64_t size = g_mime_encoding_outlen(&state, encoded.size());
    std::string head = decodeContent(encoded.substr(0, std::min(encoded.size(), 2 * kDeferredHeadBytes)), encoding);
    head.resize(std::min(head.size(), kDeferredHeadBytes));
    return DeferredMember{.name = std::move(name),
                          .size = size,
                          .head = std::move(head),
                          .source = encoded,
                          .take = [encoding](std::string_view source) -> std::optional<std::string> {
                              return decodeContent(source, encoding);
                          }};
}

}  // namespace

class ParsedMail {
public:
    explicit ParsedMail(std::string_view bytes) : data(bytes), message(parseMessage(bytes)) {}
    std::string_view data;
    Ref<GMimeMessage> message;
};

std::shared_ptr<const ParsedMail> parseMail(std::string_view data) { return std::make_shared<ParsedMail>(data); }

std::string readMailText(const ParsedMail& mail, const ReadOptions& options) {
    GMimeMessage* const message = mail.message.get();
    TextBuilder text;
    // The address fields and the subject are the message's header; the body
    // after them is its main text.
    markStory(text, StoryKind::MailHeader);
    appendAddresses(text, g_mime_message_get_from(message));
    appendAddresses(text, g_mime_message_get_sender(message));
    appendAddresses(text, g_mime_message_get_reply_to(message));
    appendAddresses(text, g_mime_message_get_to(message));
    appendAddresses(text, g_mime_message_get_cc(message));
    appendAddresses(text, g_mime_message_get_bcc(message));
    if (const char* subject = g_mime_message_get_subject(message); subject && *subject) {
        text.append(subject);
        text.append(U'\r');
    }
    markStory(text, StoryKind::Main);
    const MessageParts parts = partsOf(message);
    if (parts.plain) appendLines(text, partText(parts.plain));
    if (parts.html && (!parts.plain || options.allStories)) {
        const std::string html = partText(parts.html);
        if (html.find_first_not_of(" \t\r\n") != std::string::npos) text.append(readHtmlThroughModule(html, options));
    }
    return text.take();
}

void listMailMembers(const ParsedMail& mail, MemberSink& sink) {
    const MessageParts parts = partsOf(mail.message.get());
    std::size_t number = 0;
    for (GMimeObject* object : parts.attachments) {
        const std::string name = attachmentName(object, ++number);
        std::optional<std::string> bytes;
        if (isA<GMimeMessagePart>(object, g_mime_message_part_get_type())) {
            GMimeMessage* inner = g_mime_message_part_get_message(as<GMimeMessagePart>(object));
            if (!inner) continue;
            gchar* whole = g_mime_object_to_string(reinterpret_cast<GMimeObject*>(inner), nullptr);
            if (!whole) continue;
            bytes = std::string(whole);
            g_free(whole);
            if (bytes->size() > sink.roomLeft()) bytes.reset();
        } else {
            std::optional<DeferredMember> deferred = deferredAttachment(as<GMimePart>(object), mail.data, name);
            if (deferred && deferred->size <= sink.roomLeft()) {
                if (!sink.addDeferred(std::move(*deferred))) return;
                continue;
            }
            bytes = decodedContent(as<GMimePart>(object), sink.roomLeft());
        }
        if (!bytes) {
            sink.unreadable(name, UnreadableReason::ExpandsTooFar);
            return;
        }
        if (!sink.add(name, std::move(*bytes))) return;
    }
}

void listMailboxMembers(std::string_view data, MemberSink& sink) {
    const Ref<GMimeParser> parser = parserFor(data, GMIME_FORMAT_MBOX);
    std::size_t number = 0;
    while (!g_mime_parser_eos(parser.get())) {
        WorkBudget::chargeLarge();
        const Ref<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
        if (!message) break;
        const gint64 begin = g_mime_parser_get_headers_begin(parser.get());
        const gint64 end = g_mime_parser_tell(parser.get());
        ++number;
        if (begin < 0 || end <= begin || static_cast<std::uint64_t>(end) > data.size()) continue;
        const auto from = static_cast<std::size_t>(begin);
        std::string bytes(data.substr(from, static_cast<std::size_t>(end) - from));
        if (bytes.size() > sink.roomLeft()) {
            sink.unreadable("message " + std::to_string(number), UnreadableReason::ExpandsTooFar);
            return;
        }
        if (!sink.add("message " + std::to_string(number), std::move(bytes))) return;
    }
    if (number == 0) throw EngineError("not a readable mailbox");
}

}  // namespace harvelux::wordproc
