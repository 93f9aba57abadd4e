// One QApplication for the whole test program, created before the first
// test: offscreen unless the caller chose a platform, and with a settings
// folder of its own, however the program is started.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        config_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        config_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "harvelux-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
