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

    // The program's standard output is kept only when asked for.
    std::unique_ptr<QProcess> Start(const QStringList& arguments = {}, bool keepOutput = false) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TALLYX_DATA_DIR", root_.filePath("data"));
        environment.insert("TALLYX_CONFIG_DIR", root_.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", RuntimeFolder());
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(environment);
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!keepOutput) program->setStandardOutputFile(QProcess::nullDevice());
        program->start(TALLYX_PROGRAM, arguments);
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

    QByteArray Settings() const
    {
        QFile settings(SettingsFile());
        return settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray();
    }

    // Starts the program and stops it the way the session does at logout.
    void RunAndStop() const
    {
        const auto program = Start();
        ASSERT_TRUE(Listening(*program));
        program->terminate();
        ExpectEnded(*program, 0);
    }

    QTemporaryDir root_;
};

TEST_F(DesktopProgramTest, SecondStartEndsAndStopRequestSavesTheSettings)
{
    const auto first = Start();
    ASSERT_TRUE(Listening(*first));

    const auto second = Start({}, true);
    ExpectEnded(*second, kExitAlreadyRunning);
    EXPECT_TRUE(Answers());
    const QList<QByteArray> said = second->readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("already running")) << said[0].toStdString();

    first->terminate();
    ExpectEnded(*first, 0);
    EXPECT_TRUE(Settings().contains("\"CalcType\"="));
    EXPECT_FALSE(Answers());
}

TEST_F(DesktopProgramTest, NextStartRestoresWhatTheStopSaved)
{
    RunAndStop();
    QByteArray settings = Settings();
    const QByteArray chosenType = "\"CalcType\"=dword:00000003";
    const QByteArray chosenDigits = "\"FixedDigits\"=dword:00000005";
    settings.replace("\"CalcType\"=dword:00000000", chosenType).replace("\"FixedDigits\"=dword:00000002", chosenDigits);
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(settings), settings.size());
    file.close();

    // The name is free again, and the settings come back and are saved again.
    RunAndStop();
    EXPECT_TRUE(Settings().contains(chosenType));
    EXPECT_TRUE(Settings().contains(chosenDigits));
}

}  // namespace
}  // namespace tallyx
