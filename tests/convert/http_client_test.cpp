#include "convert/http_client.h"

#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/convert/local_http_server.h"
#include "tests/convert/recording_sink.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using ::testing::ElementsAreArray;
using testing::LocalHttpServer;
using testing::RecordingSink;
using testing::Reply;
using testing::TemporaryProgramFolder;

using std::chrono::milliseconds;

constexpr auto kShortWait = milliseconds(5000);
constexpr HttpTimeouts kQuick = {.connect = milliseconds(2000), .receive = milliseconds(1000)};

std::string Body(std::size_t size)
{
    std::string body(size, '\0');
    std::iota(body.begin(), body.end(), 'A');
    return body;
}

TEST(HttpClientTest, PostsTheCodesOfTheOutcome)
{
    const struct {
        const char* name;
        Reply reply;
        std::vector<std::uint32_t> codes;  // runs of 8 folded
        bool fileWritten;
        HttpTimeouts timeouts = kQuick;
        const char* folder = "";  // below the program folder
    } cases[] = {
        {"EmptyBody", {.body = ""}, {0, 7, 9}, true},
        {"NotFound", {.status = "404 Not Found", .body = "<html>missing</html>"}, {0, 6}, false},
        {"TruncatedBody", {.body = Body(1500), .declaredLength = 4000}, {0, 7, 8, 6}, true},
        {"StallBeforeReply", {.stallBeforeReply = true}, {0, 6}, false},
        {"DeclaredTooLarge", {.body = Body(100), .declaredLength = kLargestDownload + 1}, {0, 6}, false},
        {"UndeclaredTooLarge", {.body = Body(kLargestDownload + 1), .lengthUnknown = true}, {0, 7, 8, 6}, true},
        {"StallInsideBody", {.body = Body(100), .declaredLength = 200, .stallAfterBody = true}, {0, 7, 8, 6}, true},
        {"NoOpenRequestInTime", {.stallBeforeReply = true}, {0, 2, 6}, false,
         {.connect = milliseconds(2000), .receive = milliseconds(1000), .untilOpen = milliseconds(100)}},
        {"UnfinishedInTime", {.body = Body(100), .declaredLength = 5000, .stallAfterBody = true}, {0, 7, 8, 3}, true,
         {.connect = milliseconds(2000), .receive = milliseconds(10000), .untilFinished = milliseconds(300)}},
        {"UnwritableTarget", {.body = "rates"}, {0, 7, 10}, false, kQuick, "missing"},
    };
    for (const auto& transfer : cases) {
        SCOPED_TRACE(transfer.name);
        TemporaryProgramFolder folder;
        LocalHttpServer server(transfer.reply);
        RecordingSink sink;
        HttpClient client;
        client.SetTimeouts(transfer.timeouts);
        ASSERT_EQ(client.Configure(&sink, kRateUpdateMessage, false), StatusOk);
        const auto target = folder.Folder() / transfer.folder / "currency2.ini";

        ASSERT_TRUE(client.Download(server.Url(), target));

        EXPECT_THAT(sink.Codes(), ElementsAreArray(transfer.codes));
        EXPECT_EQ(std::filesystem::exists(target), transfer.fileWritten);
        EXPECT_FALSE(client.Busy());
    }
}

TEST(HttpClientTest, WritesTheBodyInBlocksOfAtMost1024Bytes)
{
    TemporaryProgramFolder folder;
    const std::string body = Body(5000);
    LocalHttpServer server({.body = body});
    RecordingSink sink;
    HttpClient client;
    client.Configure(&sink, kRateUpdateMessage, false);
    const auto target = folder.Folder() / "currency2.ini";

    ASSERT_TRUE(client.Download(server.Url(), target));

    std::size_t total = 0;
    for (const auto& message : sink.Messages()) {
        EXPECT_EQ(message.message, kRateUpdateMessage);
        if (message.first == TransferBlockWritten) {
            EXPECT_GT(message.second, 0u);
            EXPECT_LE(message.second, kTransferBlockSize);
            total += message.second;
        }
    }
    EXPECT_EQ(total, body.size());
    EXPECT_THAT(sink.Codes(), ElementsAreArray({0u, 7u, 8u, 9u}));
    EXPECT_EQ(TemporaryProgramFolder::Read(target), body);
}

TEST(HttpClientTest, UrlsWithoutSchemeOrWithFinalSlashAreFetched)
{
    TemporaryProgramFolder folder;
    LocalHttpServer server({.body = "rates"});
    const std::wstring url = server.Url(L"/currency.ini");
    for (const std::wstring& written : {url.substr(std::wstring(L"http://").size()), url + L"/"}) {
        RecordingSink sink;
        HttpClient client;
        client.Configure(&sink, kRateUpdateMessage, false);
        ASSERT_TRUE(client.Download(written, folder.Folder() / "currency2.ini"));
        EXPECT_THAT(sink.Codes(), ElementsAreArray({0u, 7u, 8u, 9u}));
    }
}

TEST(HttpClientTest, SecondDownloadWhileOneRunsIsRefused)
{
    TemporaryProgramFolder folder;
    LocalHttpServer server({.stallBeforeReply = true});
    RecordingSink sink;
    HttpClient client;
    EXPECT_FALSE(client.Download(server.Url(), folder.Folder() / "currency2.ini"));  // not configured
    client.Configure(&sink, kRateUpdateMessage, true);

    ASSERT_TRUE(client.Download(server.Url(), folder.Folder() / "currency2.ini"));
    EXPECT_TRUE(client.Busy());
    EXPECT_FALSE(client.Download(server.Url(), folder.Folder() / "other.ini"));
    EXPECT_EQ(client.Configure(&sink, kRateUpdateMessage, true), StatusFail);
    EXPECT_TRUE(sink.WaitForCode(TransferThreadStarted, kShortWait));
}

TEST(HttpClientTest, DestroyingTheClientEndsARunningTransferQuietly)
{
    TemporaryProgramFolder folder;
    LocalHttpServer server({.body = Body(100), .declaredLength = 5000, .stallAfterBody = true});
    RecordingSink sink;
    {
        HttpClient client;
        client.Configure(&sink, kRateUpdateMessage, true);
        ASSERT_TRUE(client.Download(server.Url(), folder.Folder() / "currency2.ini"));
        ASSERT_TRUE(sink.WaitForCode(TransferBlockWritten, kShortWait));
    }
    EXPECT_THAT(sink.Codes(), ElementsAreArray({0u, 7u, 8u}));
}

TEST(HttpClientTest, WithoutLibcurlADownloadFailsToOpen)
{
    TemporaryProgramFolder folder;
    LocalHttpServer server({.body = "rates"});
    for (const bool asynchronous : {false, true}) {
        SCOPED_TRACE(asynchronous ? "asynchronous" : "synchronous");
        RecordingSink sink;
        HttpClient client("libtallyx-missing-curl.so.4");
        ASSERT_EQ(client.Configure(&sink, kRateUpdateMessage, asynchronous), StatusOk);
        const auto target = folder.Folder() / "currency2.ini";

        ASSERT_TRUE(client.Download(server.Url(), target));

        ASSERT_TRUE(sink.WaitForCode(TransferRequestFailed, kShortWait));
        EXPECT_THAT(sink.Codes(), ElementsAreArray({0u, 6u}));
        EXPECT_FALSE(std::filesystem::exists(target));
    }
}

}  // namespace
}  // namespace tallyx
