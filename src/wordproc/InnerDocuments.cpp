#include "wordproc/InnerDocuments.h"

#include "wordproc/FormatDispatch.h"
#include "wordproc/FormatTable.h"
#include "wordproc/MemberReadPool.h"
#include "wordproc/MemberSink.h"
#include "wordproc/MemberWindow.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/archive/ArchiveSignature.h"
#include "wordproc/mail/MailSignature.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace harvelux::wordproc {

namespace {

using Clock = std::chrono::steady_clock;

// The bytes a tree of containers may still inflate, and its budgets of time.
struct TreeCaps {
    std::uint64_t allowance = 0;  // bytes all members together may have
    std::uint64_t inflated = 0;
    Clock::duration memberLimit{};  // one member's time
    Clock::time_point deadline;     // every member's together

    std::uint64_t left() const { return allowance > inflated ? allowance - inflated : 0; }
};

// What the containers of one tree share while it is read on one thread.
struct TreeReading {
    const ReadOptions& options;
    TreeCaps& caps;
    MemberWindow& window;
    bool storyMarks;  // whether the readers mark the stories (the engine's thread says)
};

void readMember(TreeReading& tree, const std::string& name, const std::string& bytes, int depth);

// An archive or an e-mail: a member whose reading is mostly its members.
// Such a member is read by the thread that lists its container, so that the
// inflated bytes are counted in the order of the tree whatever the number of
// threads; every other member is offered to the pool.
bool holdsDocuments(const std::string& bytes) {
    const Format format = detectFormat(bytes);
    if (format == Format::Unknown) return false;
    const FormatEntry& entry = formatEntry(format);
    const FormatFamily family = familyOf(entry);
    return entry.members && (family == FormatFamily::Archive || family == FormatFamily::Mail);
}

// What a deferred member's first bytes say it may be: an archive or an
// e-mail, which the lister takes out and lists itself so that its members
// spread over the threads too. A ZIP archive is told from a document
// package by the name of its first entry, which a package writes first.
bool mayHoldDocuments(std::string_view head) {
    if (looksLikeArchive(head) || looksLikeMailbox(head) || looksLikeMailMessage(head)) return true;
    constexpr std::string_view kLocalHeader("PK\x03\x04", 4);
    constexpr std::size_t kNameAt = 30;
    if (!head.starts_with(kLocalHeader) || head.size() < kNameAt) return false;
    const std::size_t length =
        static_cast<unsigned char>(head[26]) | (static_cast<std::size_t>(static_cast<unsigned char>(head[27])) << 8);
    const std::string_view first = head.substr(kNameAt, length);
    constexpr std::array<std::string_view, 8> kPackageParts = {
        "[Content_Types].xml", "mimetype", "_rels/", "docProps/", "word/", "xl/", "ppt/", "META-INF/"};
    return std::none_of(kPackageParts.begin(), kPackageParts.end(),
                        [&](std::string_view part) { return first.starts_with(part); });
}

InnerDocument unreadableMember(std::string name, UnreadableReason reason) {
    return {.name = std::move(name),
            .read = false,
            .text = {},
            .error = describeReason(reason),
            .reason = reason,
            .stories = {}};
}

// A member that holds no archive or e-mail, read on any thread. What it
// holds in turn (embedded objects) is read on the same thread, within the
// bytes its container had left when it was listed.
struct MemberRead {
    std::string name;
    std::string bytes;
    // A deferred member's bytes are taken out here, from `source` (or from
    // `ownedSource`, a copy of it, when the container's bytes may be gone).
    std::function<std::optional<std::string>(std::string_view)> take;
    std::string_view source;
    std::shared_ptr<const std::string> ownedSource;
    int depth;
    std::uint64_t allowance;
    Clock::duration memberLimit;
    Clock::time_point deadline;
    const ReadOptions* options;
    bool storyMarks;

    MemberOutcome operator()() const {
        const bool notedBefore = ReadNotes::scannedPagesUnread();
        ReadNotes::reset();
        const StoryMarksScope marks(storyMarks);
        const MemberReadPool::Scope noPool(nullptr);
        MemberOutcome outcome;
        TreeCaps caps{.allowance = allowance, .inflated = 0, .memberLimit = memberLimit, .deadline = deadline};
        std::optional<std::string> taken;
        if (take) {
            taken = take(ownedSource ? std::string_view(*ownedSource) : source);
            if (!taken) {
                outcome.documents.push_back(unreadableMember(name, UnreadableReason::Damaged));
                return outcome;
            }
        }
        {
            MemberWindow window(outcome.documents, nullptr);
            TreeReading tree{.options = *options, .caps = caps, .window = window, .storyMarks = storyMarks};
            readMember(tree, name, taken ? *taken : bytes, depth);
            window.finish();
        }
        outcome.scannedPagesUnread = ReadNotes::scannedPagesUnread();
        ReadNotes::reset();
        if (notedBefore) ReadNotes::noteScannedPagesUnread();
        return outcome;
    }
};

class ContainerSink final : public MemberSink {
public:
    ContainerSink(TreeReading& tree, std::string name, int depth)
        : tree_(tree), name_(std::move(name)), depth_(depth) {}

    bool add(std::string name, std::string bytes) override {
        if (!charge(bytes.size())) return false;
        place(innerName(name), std::move(bytes));
        return true;
    }

    // A member whose first bytes say it is a document is taken out by the
    // thread that reads it; anything else is taken out here and placed as
    // add places it. What a deferred member turns out to hold after all is
    // read on its thread within the member's own share of the allowance,
    // 200 times its compressed size, so that all of them together stay
    // within the allowance of the whole.
    bool addDeferred(DeferredMember member) override {
        if (!charge(member.size)) return false;
        std::string inner = innerName(member.name);
        if (depth_ + 1 < kMaxContainerDepth && mayHoldDocuments(member.head)) {
            std::optional<std::string> bytes = member.take(member.source);
            if (!bytes)
                tree_.window.append(unreadableMember(std::move(inner), UnreadableReason::Damaged));
            else
                place(std::move(inner), std::move(*bytes));
            return true;
        }
        MemberRead read = memberRead(std::move(inner), {});
        read.allowance = std::min<std::uint64_t>(read.allowance, kMaxExpansion * member.source.size());
        read.take = std::move(member.take);
        // The outer document's bytes stay until every read of its tree has
        // ended; a container inside it may be gone by then.
        if (depth_ < 0)
            read.source = member.source;
        else
            read.ownedSource = std::make_shared<const std::string>(member.source);
        tree_.window.read(std::move(read), static_cast<std::size_t>(member.size));
        return true;
    }

    void unreadable(std::string name, UnreadableReason reason) override {
        if (reason == UnreadableReason::ExpandsTooFar) {
            stop(reason);
            return;
        }
        tree_.window.append(unreadableMember(innerName(name), reason));
    }

    std::uint64_t roomLeft() const override { return std::min(tree_.caps.left(), kMaxInflatedBytes); }

private:
    // Counts a member of `size` bytes against the container's caps; false
    // (the container stopped) when it is one too many.
    bool charge(std::uint64_t size) {
        if (stopped_) return false;
        if (++members_ > kMaxMembers) return stop(UnreadableReason::TooManyMembers);
        tree_.caps.inflated += size;
        if (tree_.caps.inflated > tree_.caps.allowance) return stop(UnreadableReason::ExpandsTooFar);
        return true;
    }

    // An archive or an e-mail is read here, its members after it; any other
    // member is offered to the pool.
    void place(std::string inner, std::string bytes) {
        if (depth_ + 1 < kMaxContainerDepth && holdsDocuments(bytes)) {
            readMember(tree_, inner, bytes, depth_);
            return;
        }
        const std::size_t size = bytes.size();
        tree_.window.read(memberRead(std::move(inner), std::move(bytes)), size);
    }

    MemberRead memberRead(std::string inner, std::string bytes) const {
        return {.name = std::move(inner),
                .bytes = std::move(bytes),
                .take = {},
                .source = {},
                .ownedSource = {},
                .depth = depth_,
                .allowance = tree_.caps.left(),
                .memberLimit = tree_.caps.memberLimit,
                .deadline = tree_.caps.deadline,
                .options = &tree_.options,
                .storyMarks = tree_.storyMarks};
    }

    std::string innerName(const std::string& member) const {
        const std::string shown = member.empty() ? std::string("(unnamed)") : member;
        return name_.empty() ? shown : name_ + "::" + shown;
    }

    // The container is read no further, and says why, once.
    bool stop(UnreadableReason reason) {
        if (!stopped_) tree_.window.append(unreadableMember(name_, reason));
        stopped_ = true;
        return false;
    }

    TreeReading& tree_;
    std::string name_;
    int depth_;
    std::size_t members_ = 0;
    bool stopped_ = false;
};

// Reads a member of a container at `depth` (-1: the outer document) as a
// document, and what it holds after it.
void readMember(TreeReading& tree, const std::string& name, const std::string& bytes, int depth) {
    const std::size_t at =
        tree.window.hold({.name = name, .read = true, .text = {}, .error = {}, .reason = {}, .stories = {}});
    try {
        const Clock::time_point now = Clock::now();
        const Clock::time_point deadline = std::min(now + tree.caps.memberLimit, tree.caps.deadline);
        const WorkBudget budget(deadline, {});
        const std::size_t limit = textLimitFor(bytes.size());
        const TextLimitScope scope(limit);
        std::string text;
        if (depth + 1 < kMaxContainerDepth) {
            ContainerSink inner(tree, name, depth + 1);
            text = readDocumentText(bytes, tree.options, inner, deadline);
        } else {
            const Format format = detectFormat(bytes);
            if (format != Format::Unknown && formatEntry(format).members)
                throw EngineError("nested too deeply", UnreadableReason::NestedTooDeep);
            text = readDocumentText(bytes, tree.options);
        }
        if (text.size() > limit) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
        tree.window.held(at).text = std::move(text);
        tree.window.release(at, true);
    } catch (const EngineError& error) {
        // A member that is no document is not one of the container's
        // documents: it is passed over, not reported.
        if ((error.reason() == UnreadableReason::UnknownFormat || error.reason() == UnreadableReason::OtherFile) &&
            tree.window.isLast(at)) {
            tree.window.release(at, false);
            return;
        }
        InnerDocument& failed = tree.window.held(at);
        failed.read = false;
        failed.error = error.what();
        failed.reason = error.reason();
        tree.window.release(at, true);
    } catch (...) {
        tree.window.release(at, true);
        throw;
    }
}

}  // namespace

DocumentTree readDocumentTree(std::string_view data, const ReadOptions& options) {
    DocumentTree tree;
    TreeCaps caps;
    caps.allowance = std::max<std::uint64_t>(data.size() * kMaxExpansion, kMinExpansionBytes);
    const WorkBudget* outer = WorkBudget::current();
    const Clock::time_point now = Clock::now();
    caps.memberLimit = outer && outer->deadline() > outer->now() ? outer->deadline() - outer->now()
                                                                 : Clock::duration(std::chrono::seconds(30));
    caps.deadline = now + caps.memberLimit * kContainerBudgetFactor;
    MemberWindow window(tree.inner, MemberReadPool::current());
    TreeReading reading{.options = options, .caps = caps, .window = window, .storyMarks = StoryMarksScope::current()};
    ContainerSink sink(reading, std::string(), -1);
    tree.text = readDocumentText(data, options, sink, caps.deadline);
    window.finish();
    return tree;
}

}  // namespace harvelux::wordproc
