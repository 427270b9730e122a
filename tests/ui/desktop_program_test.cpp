// The built desktop program, started as a user would start it, on the
// offscreen platform with folders of the test's own.
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/single_instance.h"
#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

constexpr int kExitAlreadyRunning = 1;
constexpr int kStartMilliseconds = 30000;
constexpr int kEndMilliseconds = 15000;
constexpr int kProbeMilliseconds = 100;

class DesktopProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        // The runtime folder must be private, or Qt does not use it.
        ASSERT_TRUE(QDir(root_.path()).mkdir("runtime"));
        ASSERT_TRUE(QFile::setPermissions(RuntimeFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                QFileDevice::ExeOwner));
    }

    QString RuntimeFolder() const { return root_.filePath("runtime"); }
    QString SettingsFile() const { return root_.filePath("config/registry.reg"); }

    std::unique_ptr<QProcess> Start() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TALLYX_DATA_DIR", root_.filePath("data"));
        environment.insert("TALLYX_CONFIG_DIR", root_.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", RuntimeFolder());
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(environment);
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->setStandardOutputFile(QProcess::nullDevice());
        program->start(TALLYX_PROGRAM, {});
        return program;
    }

    bool Answers() const
    {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::NameIn(RuntimeFolder()));
        return socket.waitForConnected(kProbeMilliseconds);
    }

    bool Listening(const QProcess& program) const
    {
        const auto ended = [&program] { return program.state() == QProcess::NotRunning; };
        return ProcessEventsUntil([&] { return ended() || Answers(); }, kStartMilliseconds) && !ended();
    }

    static void ExpectEnded(QProcess& program, int status)
    {
        ASSERT_TRUE(program.waitForFinished(kEndMilliseconds));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), status);
    }

    QTemporaryDir root_;
};

TEST_F(DesktopProgramTest, SecondStartEndsAndStopRequestSavesTheSettings)
{
    const auto first = Start();
    ASSERT_TRUE(Listening(*first));

    const auto second = Start();
    ExpectEnded(*second, kExitAlreadyRunning);
    EXPECT_TRUE(Answers());

    first->terminate();
    ExpectEnded(*first, 0);
    QFile settings(SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("CalcType"));
    EXPECT_FALSE(Answers());

    // The name is free again for the next start.
    const auto next = Start();
    EXPECT_TRUE(Listening(*next));
    next->terminate();
    ExpectEnded(*next, 0);
}

}  // namespace
}  // namespace tallyx
