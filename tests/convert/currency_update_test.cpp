#include "convert/rate_update.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "convert/rate_file_store.h"
#include "tests/convert/local_http_server.h"
#include "tests/convert/recording_sink.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using ::testing::ElementsAreArray;
using testing::LocalHttpServer;
using testing::RecordingSink;
using testing::TemporaryProgramFolder;

constexpr std::string_view kNewRates =
    "[Info]\r\nnumcurrencies=2\r\nutc=1751285700\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n"
    "2=EUR,Euro,EUR,0.85,0.84,0.86\r\n";

TEST(RateUpdateTest, InstallsOnlyACompleteRateArchive)
{
    constexpr std::size_t kOwnLength = std::string::npos;
    const struct {
        std::string status;
        std::string (*body)(const std::string& archive);
        std::size_t declaredLength;
        std::vector<std::uint32_t> codes;
        bool installed;
    } cases[] = {
        {"200 OK", [](const std::string& archive) { return archive; }, kOwnLength, {0, 7, 8, 9}, true},
        {"500 Internal Server Error", [](const std::string& archive) { return archive; }, kOwnLength, {0, 6}, false},
        {"200 OK", [](const std::string& archive) { return archive.substr(0, archive.size() / 2); }, 1000000,
         {0, 7, 8, 6}, false},
    };
    for (const auto& update : cases) {
        TemporaryProgramFolder folder;
        ASSERT_EQ(SeedRateFile(), StatusOk);
        const std::string old = TemporaryProgramFolder::Read(RateFilePath());
        const std::string archive = folder.PackedRates(kNewRates);
        ASSERT_FALSE(archive.empty());
        const std::string body = update.body(archive);
        LocalHttpServer server({.status = update.status, .body = body, .declaredLength = update.declaredLength});
        RecordingSink sink;

        const Status status = UpdateRates(server.Url(), sink);

        SCOPED_TRACE(update.status + " with " + std::to_string(body.size()) + " bytes");
        EXPECT_THAT(sink.Codes(), ElementsAreArray(update.codes));
        EXPECT_EQ(status == StatusOk, update.installed);
        EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), update.installed ? archive : old);
    }
}

TEST(RateUpdateFaultTest, UnreachableOrSilentServersLeaveTheRateFile)
{
    TemporaryProgramFolder folder;
    ASSERT_EQ(SeedRateFile(), StatusOk);
    const std::string old = TemporaryProgramFolder::Read(RateFilePath());
    LocalHttpServer stalled({.stallBeforeReply = true});
    HttpTimeouts quick;
    quick.receive = std::chrono::milliseconds(300);

    for (const std::wstring& url : {LocalHttpServer::RefusingUrl(), stalled.Url(), std::wstring()}) {
        RecordingSink sink;
        EXPECT_NE(UpdateRates(url, sink, quick), StatusOk);
        EXPECT_THAT(sink.Codes(), ElementsAreArray({0u, 6u}));
        EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), old);
    }
}

}  // namespace
}  // namespace tallyx
