#include "convert/rate_file_store.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "convert/rate_archive.h"
#include "convert/rate_source.h"
#include "platform/resources.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::TemporaryProgramFolder;

constexpr std::string_view kRateText = "[Info]\r\nnumcurrencies=1\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n";

TEST(RateFileStoreTest, SeedsAMissingRateFileWithTheShippedRatesAndKeepsAnExistingOne)
{
    TemporaryProgramFolder folder;
    std::filesystem::remove_all(folder.Folder());

    ASSERT_EQ(SeedRateFile(), StatusOk);

    const auto shipped = Platform().resources->Find(kShippedRatesType, kShippedRatesName);
    ASSERT_TRUE(shipped);
    EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), *shipped);
    std::string text;
    EXPECT_EQ(ReadRateArchive(RateFilePath(), text), StatusOk);
    EXPECT_NE(text.find("1=USD,US Dollar,$,1,1,1"), std::string::npos);
    TemporaryProgramFolder::Write(RateFilePath(), "downloaded earlier");
    EXPECT_EQ(SeedRateFile(), StatusOk);
    EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), "downloaded earlier");
}

TEST(RateFileStoreTest, SeedingWithoutBuiltInRatesFails)
{
    TemporaryProgramFolder folder;
    MemoryResources none;
    PlatformServices services = Platform();
    services.resources = &none;
    ScopedPlatform scoped(services);
    EXPECT_NE(SeedRateFile(), StatusOk);
    EXPECT_FALSE(std::filesystem::exists(RateFilePath()));
}

TEST(RateFileStoreTest, InstallsAReadableDownload)
{
    TemporaryProgramFolder folder;
    TemporaryProgramFolder::Write(RateFilePath(), "old rates");
    ASSERT_EQ(WriteRateArchive(DownloadPath(), kRateText), StatusOk);
    const std::string downloaded = TemporaryProgramFolder::Read(DownloadPath());

    EXPECT_EQ(InstallDownload(), StatusOk);

    EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), downloaded);
    EXPECT_FALSE(std::filesystem::exists(DownloadPath()));
}

// Only an archive that opens and lists a currency replaces the rates; the
// download goes either way.
TEST(RateFileStoreTest, BadDownloadsKeepTheOldRateFileByteForByte)
{
    TemporaryProgramFolder folder;
    ASSERT_EQ(SeedRateFile(), StatusOk);
    const std::string old = TemporaryProgramFolder::Read(RateFilePath());
    ASSERT_EQ(WriteRateArchive(DownloadPath(), kRateText), StatusOk);
    const std::string whole = TemporaryProgramFolder::Read(DownloadPath());
    ASSERT_EQ(WriteRateArchive(DownloadPath(), kRateText, {.password = "guess"}), StatusOk);
    const std::string wrongPassword = TemporaryProgramFolder::Read(DownloadPath());
    ASSERT_EQ(WriteRateArchive(DownloadPath(), "<html>Rates moved</html>"), StatusOk);
    const std::string noRateText = TemporaryProgramFolder::Read(DownloadPath());
    std::filesystem::remove(DownloadPath());

    EXPECT_NE(InstallDownload(), StatusOk);  // nothing downloaded
    for (const std::string& bytes :
         {std::string("<html/>"), wrongPassword, noRateText, whole.substr(0, whole.size() - 10)}) {
        TemporaryProgramFolder::Write(DownloadPath(), bytes);
        EXPECT_NE(InstallDownload(), StatusOk) << bytes.size();
        EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), old);
        EXPECT_FALSE(std::filesystem::exists(DownloadPath()));
    }
}

TEST(RateFileStoreTest, RateUrlFollowsTheConfiguration)
{
    const struct {
        const wchar_t* registryUrl;
        const char* environmentUrl;
        const wchar_t* host;
        const wchar_t* expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, kReferenceRatesUrl.data()},
        {nullptr, nullptr, L"rates.example.org", L"http://rates.example.org/mobileapps/tallyx/currency.ini"},
        {nullptr, "https://mirror.example.org/c.ini", L"rates.example.org", L"https://mirror.example.org/c.ini"},
        {L"http://127.0.0.1:8080/c.ini", "https://mirror.example.org/c.ini", L"rates.example.org",
         L"http://127.0.0.1:8080/c.ini"},
        {L"  ", "", L" ", kReferenceRatesUrl.data()},  // blank values count as absent
    };
    for (const auto& configured : cases) {
        TemporaryProgramFolder folder;
        if (configured.registryUrl) folder.Registry().WriteString(kTallyxKey, L"RateURL", configured.registryUrl);
        if (configured.host) folder.Registry().WriteString(kTallyxKey, L"RateHost", configured.host);
        if (configured.environmentUrl) {
            setenv("TALLYX_RATE_URL", configured.environmentUrl, 1);
        } else {
            unsetenv("TALLYX_RATE_URL");
        }
        EXPECT_EQ(RateUrl(), configured.expected);
    }
    unsetenv("TALLYX_RATE_URL");
}

TEST(RateFileStoreTest, TheDefaultSourceCanBeRedirectedForAWhile)
{
    TemporaryProgramFolder folder;
    unsetenv("TALLYX_RATE_URL");
    {
        DefaultRateSource local(L"http://127.0.0.1:1/rates.xml");
        EXPECT_EQ(RateUrl(), L"http://127.0.0.1:1/rates.xml");
        folder.Registry().WriteString(kTallyxKey, L"RateHost", L"rates.example.org");
        EXPECT_EQ(RateUrl(), L"http://rates.example.org/mobileapps/tallyx/currency.ini");
        folder.Registry().WriteString(kTallyxKey, L"RateHost", L"");
    }
    EXPECT_EQ(RateUrl(), kReferenceRatesUrl);
}

}  // namespace
}  // namespace tallyx
