// The desktop program itself, started as a user starts it (offscreen, with
// a settings folder of the test's own): it gets through its start-up, which
// stores the option, and keeps running, also over a settings file that went
// bad.
#include <gmock/gmock.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <optional>
#include <thread>

namespace harvelux::shell::testing {
namespace {

class DesktopProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(config.isValid()); }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.terminate();
            if (!program.waitForFinished(10000)) {
                program.kill();
                program.waitForFinished(10000);
            }
        }
    }

    QString settingsFile() const { return config.filePath(QStringLiteral("Quenbrook/Harvelux.conf")); }

    void storeOption(const QString& value) {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Check1"), value);
        settings.sync();
    }

    std::optional<QString> storedOption() const {
        const QSettings settings(settingsFile(), QSettings::IniFormat);
        const QVariant value = settings.value(QStringLiteral("Check1"));
        if (!value.isValid()) return std::nullopt;
        return value.toString();
    }

    void start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(HARVELUX_PROGRAM_DIR "/harvelux"), {});
        ASSERT_TRUE(program.waitForStarted(10000)) << program.errorString().toStdString();
    }

    // Waits until the program has stored the option as `value` (its start-up
    // does), while it keeps running.
    bool storesOptionAs(const QString& value) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline && program.state() == QProcess::Running) {
            if (storedOption() == value) return true;
            program.waitForFinished(100);
        }
        return false;
    }

    QTemporaryDir config;
    QProcess program;
};

TEST_F(DesktopProgram, StartsWithoutSettingsAndStoresTheUntickedOption) {
    start();
    EXPECT_TRUE(storesOptionAs(QStringLiteral("0")));
    // Still running a moment later: the program waits for its user.
    EXPECT_FALSE(program.waitForFinished(500));
    EXPECT_EQ(program.state(), QProcess::Running);
}

TEST_F(DesktopProgram, StartsOverAStoredOptionThatIsNoState) {
    storeOption(QStringLiteral("abc"));
    start();
    EXPECT_TRUE(storesOptionAs(QStringLiteral("0")));
    EXPECT_FALSE(program.waitForFinished(500));
    EXPECT_EQ(program.state(), QProcess::Running);
}

}  // namespace
}  // namespace harvelux::shell::testing
