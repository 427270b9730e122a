#include "app/single_instance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <gtest/gtest.h>

#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString Name() const { return SingleInstance::NameIn(folder_.path()); }

    // A running instance that counts the requests to come forward.
    SingleInstance& StartFirst()
    {
        first_ = std::make_unique<SingleInstance>(Name());
        EXPECT_TRUE(first_->Listen([this] { ++raised_; }));
        return *first_;
    }

    // What a crashed instance leaves: the socket file, with nobody listening on it.
    void LeaveStaleSocket() const
    {
        const QByteArray path = QFile::encodeName(Name());
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int descriptor = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(descriptor, 0);
        ASSERT_EQ(bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(descriptor, 1), 0);
        close(descriptor);
        ASSERT_TRUE(QFile::exists(Name()));
    }

    bool RaisedOnce() { return ProcessEventsUntil([this] { return raised_ >= 1; }) && raised_ == 1; }

    QTemporaryDir folder_;
    std::unique_ptr<SingleInstance> first_;
    int raised_ = 0;
};

TEST_F(SingleInstanceTest, FreeNameAnswersNothingAndTheEndFreesTheName)
{
    EXPECT_FALSE(SingleInstance(Name()).RaiseRunning());
    EXPECT_FALSE(QFile::exists(Name()));
    StartFirst();
    first_.reset();
    EXPECT_FALSE(QFile::exists(Name()));
    EXPECT_TRUE(SingleInstance(Name()).Listen([] {}));
}

TEST_F(SingleInstanceTest, LiveNameIsOwnerOnlyAndNotTakenOver)
{
    StartFirst();
    EXPECT_EQ(QFile::permissions(Name()) & (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadGroup |
                                            QFileDevice::WriteGroup),
              QFileDevice::Permissions());
    SingleInstance second(Name());
    EXPECT_FALSE(second.Listen([] {}));
    // The first still owns the name, and the second's look at it raised nothing.
    EXPECT_TRUE(SingleInstance(Name()).RaiseRunning());
    EXPECT_TRUE(RaisedOnce());
}

TEST_F(SingleInstanceTest, NameLeftByACrashedInstanceIsTakenOver)
{
    LeaveStaleSocket();
    EXPECT_FALSE(SingleInstance(Name()).RaiseRunning());
    StartFirst();
    EXPECT_TRUE(SingleInstance(Name()).RaiseRunning());
    EXPECT_TRUE(RaisedOnce());
}

TEST_F(SingleInstanceTest, OnlyTheRaiseRequestRaises)
{
    StartFirst();
    QLocalSocket stranger;
    stranger.connectToServer(Name());
    ASSERT_TRUE(stranger.waitForConnected());
    stranger.write("hello\nraise now\n");
    stranger.write(QByteArray(100, 'x'));
    ASSERT_TRUE(stranger.waitForBytesWritten());
    // The server hangs up on a caller that sends no line ending.
    EXPECT_TRUE(ProcessEventsUntil([&stranger] { return stranger.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(raised_, 0);
    EXPECT_TRUE(SingleInstance(Name()).RaiseRunning());
    EXPECT_TRUE(RaisedOnce());
}

}  // namespace
}  // namespace tallyx
