#include "wordproc/InnerDocuments.h"

#include "wordproc/FormatDispatch.h"
#include "wordproc/FormatTable.h"
#include "wordproc/MemberSink.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"

#include <algorithm>
#include <chrono>

namespace harvelux::wordproc {

namespace {

using Clock = std::chrono::steady_clock;

// What the containers of one outer document share: the bytes they may still
// inflate, and the budgets of time.
struct TreeCaps {
    std::uint64_t allowance = 0;  // bytes all members together may have
    std::uint64_t inflated = 0;
    Clock::duration memberLimit{};  // one member's time
    Clock::time_point deadline;     // every member's together
};

class ContainerSink final : public MemberSink {
public:
    ContainerSink(DocumentTree& tree, TreeCaps& caps, const ReadOptions& options, std::string name, int depth)
        : tree_(tree), caps_(caps), options_(options), name_(std::move(name)), depth_(depth) {}

    bool add(std::string name, std::string bytes) override {
        if (stopped_) return false;
        if (++members_ > kMaxMembers) return stop(UnreadableReason::TooManyMembers);
        caps_.inflated += bytes.size();
        if (caps_.inflated > caps_.allowance) return stop(UnreadableReason::ExpandsTooFar);
        readMember(innerName(name), bytes);
        return true;
    }

    void unreadable(std::string name, UnreadableReason reason) override {
        if (reason == UnreadableReason::ExpandsTooFar) {
            stop(reason);
            return;
        }
        InnerDocument failed{
            .name = innerName(name), .read = false, .text = {}, .error = describeReason(reason), .reason = reason};
        tree_.inner.push_back(std::move(failed));
    }

    std::uint64_t roomLeft() const override {
        const std::uint64_t left = caps_.allowance > caps_.inflated ? caps_.allowance - caps_.inflated : 0;
        return std::min(left, kMaxInflatedBytes);
    }

private:
    std::string innerName(const std::string& member) const {
        const std::string shown = member.empty() ? std::string("(unnamed)") : member;
        return name_.empty() ? shown : name_ + "::" + shown;
    }

    // The container is read no further, and says why, once.
    bool stop(UnreadableReason reason) {
        if (!stopped_)
            tree_.inner.push_back(
                {.name = name_, .read = false, .text = {}, .error = describeReason(reason), .reason = reason});
        stopped_ = true;
        return false;
    }

    void readMember(const std::string& name, const std::string& bytes) {
        const std::size_t at = tree_.inner.size();
        tree_.inner.push_back({.name = name, .read = true, .text = {}, .error = {}, .reason = {}});
        try {
            const Clock::time_point now = Clock::now();
            const WorkBudget budget(std::min(now + caps_.memberLimit, caps_.deadline), {});
            const std::size_t limit = textLimitFor(bytes.size());
            const TextLimitScope scope(limit);
            std::string text;
            if (depth_ + 1 < kMaxContainerDepth) {
                ContainerSink inner(tree_, caps_, options_, name, depth_ + 1);
                text = readDocumentText(bytes, options_, inner, std::min(now + caps_.memberLimit, caps_.deadline));
            } else {
                const Format format = detectFormat(bytes);
                if (format != Format::Unknown && formatEntry(format).members)
                    throw EngineError("nested too deeply", UnreadableReason::NestedTooDeep);
                text = readDocumentText(bytes, options_);
            }
            if (text.size() > limit) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
            tree_.inner[at].text = std::move(text);
        } catch (const EngineError& error) {
            // A member that is no document is not one of the container's
            // documents: it is passed over, not reported.
            if (error.reason() == UnreadableReason::UnknownFormat && tree_.inner.size() == at + 1) {
                tree_.inner.pop_back();
                return;
            }
            tree_.inner[at].read = false;
            tree_.inner[at].error = error.what();
            tree_.inner[at].reason = error.reason();
        }
    }

    DocumentTree& tree_;
    TreeCaps& caps_;
    const ReadOptions& options_;
    std::string name_;
    int depth_;
    std::size_t members_ = 0;
    bool stopped_ = false;
};

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
    ContainerSink sink(tree, caps, options, std::string(), -1);
    tree.text = readDocumentText(data, options, sink, caps.deadline);
    return tree;
}

}  // namespace harvelux::wordproc
