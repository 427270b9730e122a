#include "app/quit_signals.h"

#include <csignal>
#include <gtest/gtest.h>

#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

class QuitSignalsTest : public ::testing::TestWithParam<int> {
protected:
    int quits_ = 0;
};

TEST_P(QuitSignalsTest, StopRequestQuitsOnTheEventLoop)
{
    const QuitSignals quitSignals([this] { ++quits_; });
    ASSERT_EQ(raise(GetParam()), 0);
    EXPECT_EQ(quits_, 0);
    EXPECT_TRUE(ProcessEventsUntil([this] { return quits_ == 1; }));
}

// Installs a disposition for the signal and puts the old one back afterwards.
class ScopedDisposition {
public:
    ScopedDisposition(int signal, void (*handler)(int)) : signal_(signal)
    {
        struct sigaction action = {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        sigaction(signal_, &action, &previous_);
    }
    ~ScopedDisposition() { sigaction(signal_, &previous_, nullptr); }
    ScopedDisposition(const ScopedDisposition&) = delete;
    ScopedDisposition& operator=(const ScopedDisposition&) = delete;

private:
    int signal_;
    struct sigaction previous_ = {};
};

TEST_P(QuitSignalsTest, SignalIgnoredAtStartStaysIgnored)
{
    const ScopedDisposition ignored(GetParam(), SIG_IGN);
    const QuitSignals quitSignals([this] { ++quits_; });
    ASSERT_EQ(raise(GetParam()), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(quits_, 0);
    // The others still quit.
    ASSERT_EQ(raise(GetParam() == SIGTERM ? SIGINT : SIGTERM), 0);
    EXPECT_TRUE(ProcessEventsUntil([this] { return quits_ == 1; }));
}

INSTANTIATE_TEST_SUITE_P(EachStopRequest, QuitSignalsTest, ::testing::ValuesIn(QuitSignals::kSignals));

}  // namespace
}  // namespace tallyx
