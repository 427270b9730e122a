#include "convert/rate_updater.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "convert/rate_file_store.h"
#include "tests/convert/local_http_server.h"
#include "tests/convert/recording_sink.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::LocalHttpServer;
using testing::RecordingSink;
using testing::TemporaryProgramFolder;

constexpr std::string_view kNewRates =
    "[Info]\r\nnumcurrencies=1\r\nutc=1751285700\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n";
constexpr std::chrono::seconds kPatience{10};

// Starts an update and hands it every code, as the owner's message queue would.
RateUpdateStatus RunUpdate(RateUpdater& updater, const std::wstring& url)
{
    RecordingSink sink;
    EXPECT_TRUE(updater.Start(sink, url));
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (updater.Running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(updater.Running());
    bool timerDue = false;
    for (const RecordingSink::Message& message : sink.Messages()) {
        EXPECT_EQ(message.message, kRateUpdateMessage);
        timerDue = updater.Transfer(message.first) || timerDue;
    }
    EXPECT_TRUE(timerDue);
    return updater.Status();
}

// A download that completes but is no rate archive ends in "Error" too.
TEST(RateUpdaterTest, EndsConnectingWithNewRatesOrInErrorWithTheOldOnes)
{
    const struct {
        const char* body;  // nullptr: the rate archive
        bool refused;
        RateUpdateStatus after;
    } cases[] = {
        {nullptr, false, RateUpdateStatus::Connecting},
        {"<html>Sign in</html>", false, RateUpdateStatus::Error},
        {nullptr, true, RateUpdateStatus::Error},
    };
    for (const auto& example : cases) {
        TemporaryProgramFolder folder;
        ASSERT_EQ(SeedRateFile(), StatusOk);
        const std::string old = TemporaryProgramFolder::Read(RateFilePath());
        const std::string archive = folder.PackedRates(kNewRates);
        ASSERT_FALSE(archive.empty());
        LocalHttpServer server({.body = example.body ? std::string(example.body) : archive});
        RateUpdater updater;

        EXPECT_EQ(RunUpdate(updater, example.refused ? LocalHttpServer::RefusingUrl() : server.Url()), example.after);
        const bool installed = example.after == RateUpdateStatus::Connecting;
        EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), installed ? archive : old);
        updater.StatusTimerElapsed();
        EXPECT_EQ(updater.Status(), RateUpdateStatus::Idle);
    }
}

TEST(RateUpdaterFaultTest, SecondStartWhileRunningChangesNothing)
{
    TemporaryProgramFolder folder;
    LocalHttpServer stalled({.stallBeforeReply = true});
    HttpTimeouts quick;
    quick.receive = std::chrono::milliseconds(500);
    RecordingSink sink;  // outlives the updater, whose transfer still runs at the end
    RateUpdater updater;
    updater.SetTimeouts(quick);
    ASSERT_TRUE(updater.Start(sink, stalled.Url()));
    EXPECT_FALSE(updater.Start(sink, stalled.Url()));
    EXPECT_EQ(updater.Status(), RateUpdateStatus::Connecting);
}

}  // namespace
}  // namespace tallyx
