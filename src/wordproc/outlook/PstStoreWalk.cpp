#include "wordproc/outlook/PstStoreWalk.h"

#include "wordproc/outlook/PstStream.h"

#include <libpst/libpst.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxFolderDepth = 64;
constexpr std::size_t kMaxItems = 1000000;
constexpr std::size_t kFlushBytes = 1 << 16;

// The records, written to the engine in pieces of kFlushBytes.
class Output {
public:
    explicit Output(int fd) : fd_(fd) {}

    bool record(char tag, std::string_view payload) {
        appendPstRecord(buffer_, tag, payload);
        return buffer_.size() < kFlushBytes || flush();
    }
    bool flush() {
        for (std::size_t at = 0; at < buffer_.size();) {
            const ssize_t wrote = ::write(fd_, buffer_.data() + at, buffer_.size() - at);
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) return false;
            at += static_cast<std::size_t>(wrote);
        }
        buffer_.clear();
        return true;
    }

private:
    int fd_;
    std::string buffer_;
};

// Thrown when the engine stopped reading: nothing is left to do.
struct OutputClosed {};

using ItemPointer = std::unique_ptr<pst_item, decltype(&pst_freeItem)>;

class StoreWalk {
public:
    StoreWalk(pst_file& file, Output& out) : file_(file), out_(out) {}

    void folder(pst_desc_tree* folder, const std::string& path, std::size_t depth) {
        if (depth > kMaxFolderDepth) return;
        for (pst_desc_tree* node = folder ? folder->child : nullptr; node; node = node->next) {
            if (++items_ > kMaxItems) return;
            ItemPointer item(pst_parse_item(&file_, node, nullptr), &pst_freeItem);
            if (!item) continue;
            if (item->folder) {
                std::string inner = path;
                if (!inner.empty()) inner += '/';
                inner += text(*item, item->file_as);
                this->folder(node, inner, depth + 1);
            } else if (item->email) {
                put(pst_record::kMessage, path);
                message(*item, 0);
            }
        }
    }

private:
    void put(char tag, std::string_view payload) {
        if (!out_.record(tag, payload)) throw OutputClosed{};
    }

    static std::string text(pst_item& item, pst_string& value) {
        if (!value.str) return {};
        pst_convert_utf8(&item, &value);
        return value.str ? std::string(value.str) : std::string();
    }

    void putText(char tag, pst_item& item, pst_string& value) {
        if (const std::string s = text(item, value); !s.empty()) put(tag, s);
    }

    // The message's fields and attachments, then its end record.
    void message(pst_item& item, std::size_t depth) {
        namespace r = pst_record;
        if (item.email) {
            pst_item_email& email = *item.email;
            putText(r::kSenderName, item, email.outlook_sender_name);
            putText(r::kSenderAddress, item, email.sender_address);
            putText(r::kSenderAddress2, item, email.sender2_address);
            putText(r::kTo, item, email.sentto_address);
            putText(r::kCc, item, email.cc_address);
            putText(r::kBcc, item, email.bcc_address);
            putText(r::kHtmlBody, item, email.htmlbody);
            putText(r::kHeaders, item, email.header);
            if (email.rtf_compressed.data)
                put(r::kCompressedRtf, std::string_view(email.rtf_compressed.data, email.rtf_compressed.size));
        }
        putText(r::kSubject, item, item.subject);
        putText(r::kPlainBody, item, item.body);
        std::size_t number = 0;
        for (pst_item_attach* attach = item.attach; attach; attach = attach->next)
            attachment(item, *attach, ++number, depth);
        put(r::kEnd, {});
    }

    void attachment(pst_item& item, pst_item_attach& attach, std::size_t number, std::size_t depth) {
        namespace r = pst_record;
        std::string name = text(item, attach.filename2);
        if (name.empty()) name = text(item, attach.filename1);
        if (name.empty()) name = "attachment " + std::to_string(number);
        if (attach.method == PST_ATTACH_EMBEDDED) {
            if (depth + 1 >= kMaxPstAttachedDepth) {
                put(r::kUnreadableAttachment, name);
                return;
            }
            ItemPointer inner(attachedMessage(attach), &pst_freeItem);
            if (!inner) {
                put(r::kUnreadableAttachment, name);
                return;
            }
            put(r::kAttachedMessage, name);
            message(*inner, depth + 1);
            return;
        }
        // Ours to free, whether the library read it now or had it already.
        pst_binary bytes = pst_attach_to_mem(&file_, &attach);
        const std::unique_ptr<char, decltype(&std::free)> owner(bytes.data, &std::free);
        if (!bytes.data) {
            // No content in the store (none, or a link to a file elsewhere)
            // is no loss; content the store should hold and does not is.
            const bool held = attach.method == PST_ATTACH_BY_VALUE || attach.method == PST_ATTACH_OLE;
            if (held) put(r::kUnreadableAttachment, name);
            return;
        }
        put(r::kAttachment, name);
        put(r::kAttachmentData, std::string_view(bytes.data, bytes.size));
    }

    // An attached message is an item of its own, found through the
    // attachment's index entry and read with the attachment's id2 tree.
    pst_item* attachedMessage(pst_item_attach& attach) {
        pst_index_ll* index = pst_getID(&file_, attach.i_id);
        if (!index) return nullptr;
        pst_desc_tree node{};
        node.desc = index;
        return pst_parse_item(&file_, &node, attach.id2_head);
    }

    pst_file& file_;
    Output& out_;
    std::size_t items_ = 0;
};

}  // namespace

PstStoreStatus writePstStore(const char* path, int outputFd) {
    pst_file file{};
    if (pst_open(&file, path, "utf-8") != 0) return kPstStoreNotOpened;
    if (pst_load_index(&file) != 0) {
        pst_close(&file);
        return kPstStoreNotOpened;
    }
    pst_load_extended_attributes(&file);
    Output out(outputFd);
    PstStoreStatus status = kPstStoreRead;
    try {
        ItemPointer root(pst_parse_item(&file, file.d_head, nullptr), &pst_freeItem);
        if (!root) {
            status = kPstStoreNotOpened;
        } else {
            StoreWalk(file, out).folder(pst_getTopOfFolders(&file, root.get()), {}, 0);
            if (!out.record(pst_record::kStoreEnd, {}) || !out.flush()) status = kPstStoreNotWritten;
        }
    } catch (const OutputClosed&) {
        status = kPstStoreNotWritten;
    }
    pst_close(&file);
    return status;
}

}  // namespace harvelux::wordproc
