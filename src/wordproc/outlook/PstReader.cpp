#include "wordproc/outlook/PstReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/outlook/OutlookMessageText.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"

#include <libpst/libpst.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxFolderDepth = 64;
constexpr std::size_t kMaxItems = 1000000;

// The store's bytes in an anonymous memory file, opened by the library.
class OpenStore {
public:
    explicit OpenStore(std::string_view data) {
        if (data.size() > kMaxFileBytes) throw EngineError("the mail store is too large", UnreadableReason::TooLarge);
        fd_ = memfd_create("harvelux-store", MFD_CLOEXEC);
        if (fd_ < 0) throw EngineError("no memory file for the mail store");
        for (std::size_t at = 0; at < data.size();) {
            const ssize_t wrote = ::write(fd_, data.data() + at, data.size() - at);
            if (wrote <= 0) {
                ::close(fd_);
                throw EngineError("the mail store could not be put in memory");
            }
            at += static_cast<std::size_t>(wrote);
        }
        const std::string path = "/proc/self/fd/" + std::to_string(fd_);
        if (pst_open(&file_, path.c_str(), "utf-8") != 0) {
            ::close(fd_);
            throw EngineError("not a readable mail store");
        }
        if (pst_load_index(&file_) != 0) {
            close();
            throw EngineError("the mail store's index is damaged");
        }
        pst_load_extended_attributes(&file_);
    }
    ~OpenStore() { close(); }
    OpenStore(const OpenStore&) = delete;
    OpenStore& operator=(const OpenStore&) = delete;

    pst_file& file() { return file_; }

private:
    void close() {
        if (fd_ < 0) return;
        pst_close(&file_);
        ::close(fd_);
        fd_ = -1;
    }
    pst_file file_{};
    int fd_ = -1;
};

// An item parsed by the library, freed with it.
using ItemPointer = std::unique_ptr<pst_item, decltype(&pst_freeItem)>;

std::string utf8(pst_item& item, pst_string& value) {
    if (!value.str) return {};
    pst_convert_utf8(&item, &value);
    return value.str ? eightBitToUtf8(value.str) : std::string();
}

// Each message of the store in folder order, depth first, with its folder's path.
using MessageVisitor = std::function<bool(pst_file&, pst_item&, const std::string& folder)>;

bool visitFolder(pst_file& file, pst_desc_tree* folder, const std::string& path, std::size_t depth, std::size_t& items,
                 const MessageVisitor& visit) {
    if (depth > kMaxFolderDepth) return true;
    for (pst_desc_tree* node = folder ? folder->child : nullptr; node; node = node->next) {
        WorkBudget::charge();
        if (++items > kMaxItems) throw EngineError("the mail store holds too many items", UnreadableReason::TooLarge);
        ItemPointer item(pst_parse_item(&file, node, nullptr), &pst_freeItem);
        if (!item) continue;
        if (item->folder) {
            const std::string name = utf8(*item, item->file_as);
            std::string inner = path;
            if (!inner.empty()) inner += '/';
            inner += name;
            if (!visitFolder(file, node, inner, depth + 1, items, visit)) return false;
        } else if (item->email) {
            if (!visit(file, *item, path)) return false;
        }
    }
    return true;
}

void visitMessages(std::string_view data, const MessageVisitor& visit) {
    OpenStore store(data);
    ItemPointer root(pst_parse_item(&store.file(), store.file().d_head, nullptr), &pst_freeItem);
    if (!root) throw EngineError("the mail store has no folders");
    std::size_t items = 0;
    visitFolder(store.file(), pst_getTopOfFolders(&store.file(), root.get()), {}, 0, items, visit);
}

OutlookMessageParts messageParts(pst_item& item) {
    pst_item_email& email = *item.email;
    OutlookMessageParts parts;
    // An Exchange sender's first address is a directory name; the second,
    // when there is one, its Internet address.
    std::string sender = utf8(item, email.sender_address);
    if (std::string second = utf8(item, email.sender2_address);
        sender.find('@') == std::string::npos && !second.empty())
        sender = std::move(second);
    parts.people.emplace_back(utf8(item, email.outlook_sender_name), std::move(sender));
    for (pst_string* list : {&email.sentto_address, &email.cc_address, &email.bcc_address})
        if (std::string addresses = utf8(item, *list); !addresses.empty()) parts.people.emplace_back("", addresses);
    parts.subject = utf8(item, item.subject);
    parts.plainBody = utf8(item, item.body);
    parts.htmlBody = utf8(item, email.htmlbody);
    if (email.rtf_compressed.data) parts.compressedRtf.assign(email.rtf_compressed.data, email.rtf_compressed.size);
    parts.transportHeaders = utf8(item, email.header);
    return parts;
}

}  // namespace

bool looksLikePst(std::string_view data) { return data.starts_with("!BDN"); }

std::string readPstText(std::string_view data, const ReadOptions& options) {
    TextBuilder text;
    visitMessages(data, [&](pst_file&, pst_item& item, const std::string&) {
        text.append(composeOutlookMessageText(messageParts(item), options));
        text.append(chars::kParagraph);
        return true;
    });
    return text.take();
}

void listPstMembers(std::string_view data, MemberSink& sink) {
    visitMessages(data, [&](pst_file& file, pst_item& item, const std::string& folder) {
        const std::string message = (folder.empty() ? "" : folder + "/") + utf8(item, item.subject);
        std::size_t number = 0;
        for (pst_item_attach* attach = item.attach; attach; attach = attach->next) {
            ++number;
            std::string name = utf8(item, attach->filename2);
            if (name.empty()) name = utf8(item, attach->filename1);
            if (name.empty()) name = "attachment " + std::to_string(number);
            name = std::string(message).append("/").append(name);
            if (attach->method == PST_ATTACH_EMBEDDED) {
                sink.unreadable(std::move(name), UnreadableReason::UnknownFormat);
                continue;
            }
            pst_binary bytes = pst_attach_to_mem(&file, attach);
            if (!bytes.data) continue;
            std::string content(bytes.data, bytes.size);
            std::free(bytes.data);
            if (!sink.add(std::move(name), std::move(content))) return false;
        }
        return true;
    });
}

}  // namespace harvelux::wordproc
