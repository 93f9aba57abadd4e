#include "extract/DocumentReadout.h"
#include "wordproc/text/TextBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {

using namespace harvelux;
using Clock = std::chrono::steady_clock;

// A reader that collects its text slowly: a minute of (pretend) time per
// thousand characters, on the clock the test hands the budget.
class SlowEngine final : public wordproc::ApplicationFactory {
public:
    explicit SlowEngine(Clock::time_point& now) : now_(now) {}
    std::unique_ptr<wordproc::Application> create() override { return std::make_unique<Instance>(now_); }

private:
    struct Document final : wordproc::Document {
        explicit Document(std::string t) : text(std::move(t)) {}
        std::string text;
        wordproc::Range content() override { return wordproc::Range(std::make_shared<const std::string>(text)); }
        void close() override {}
    };
    struct Instance final : wordproc::Application {
        explicit Instance(Clock::time_point& n) : now(n) {}
        Clock::time_point& now;
        std::unique_ptr<wordproc::Document> open(const std::string& path, const wordproc::ReadOptions&) override {
            const int characters = std::stoi(path);
            wordproc::TextBuilder out;
            for (int i = 0; i < characters; ++i) {
                out.append(U'x');
                now += std::chrono::milliseconds(60);
            }
            return std::make_unique<Document>(out.take());
        }
        void quit() override {}
    };
    Clock::time_point& now_;
};

// A document that takes longer than the budget is unreadable, "too slow to
// read"; one within it is read, and the next document gets a fresh budget.
TEST(DocumentReadout, ADocumentOverItsTimeBudgetIsTooSlowToRead) {
    Clock::time_point now{};
    SlowEngine engine(now);
    const wordproc::WorkBudget::Settings budget{std::chrono::seconds(30), [&now] { return now; }};
    const struct {
        const char* characters;
        extract::DocumentReadout::Status status;
    } cases[] = {{"100000", extract::DocumentReadout::Status::Unreadable},
                 {"400", extract::DocumentReadout::Status::Read},
                 {"100000", extract::DocumentReadout::Status::Unreadable}};
    for (const auto& c : cases) {
        const extract::DocumentReadout readout = extract::readDocument(engine, c.characters, {}, budget);
        EXPECT_EQ(readout.status, c.status) << c.characters;
        if (c.status == extract::DocumentReadout::Status::Unreadable) {
            EXPECT_EQ(readout.error, "too slow to read");
        }
    }
}

}  // namespace
