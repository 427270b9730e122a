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

TEST(RateFileStoreTest, SeedsAMissingRateFileWithTheShippedRates)
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
}

TEST(RateFileStoreTest, SeedingKeepsAnExistingRateFile)
{
    TemporaryProgramFolder folder;
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

struct BadDownloadCase {
    const char* name;
    void (*make)(const std::filesystem::path& download);
};

const BadDownloadCase kBadDownloads[] = {
    {"Missing", [](const std::filesystem::path&) {}},
    {"HtmlPage", [](const std::filesystem::path& download) { TemporaryProgramFolder::Write(download, "<html/>"); }},
    {"WrongPassword",
     [](const std::filesystem::path& download) { WriteRateArchive(download, kRateText, {.password = "guess"}); }},
    {"NoRateText",
     [](const std::filesystem::path& download) { WriteRateArchive(download, "<html>Rates moved</html>"); }},
    {"Truncated",
     [](const std::filesystem::path& download) {
         WriteRateArchive(download, kRateText);
         const std::string whole = TemporaryProgramFolder::Read(download);
         TemporaryProgramFolder::Write(download, whole.substr(0, whole.size() - 10));
     }},
};

void PrintTo(const BadDownloadCase& download, std::ostream* out)
{
    *out << download.name;
}

class RateFileStoreBadDownloadTest : public ::testing::TestWithParam<BadDownloadCase> {};

TEST_P(RateFileStoreBadDownloadTest, KeepsTheOldRateFileByteForByte)
{
    TemporaryProgramFolder folder;
    ASSERT_EQ(SeedRateFile(), StatusOk);
    const std::string old = TemporaryProgramFolder::Read(RateFilePath());
    GetParam().make(DownloadPath());

    EXPECT_NE(InstallDownload(), StatusOk);

    EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), old);
    EXPECT_FALSE(std::filesystem::exists(DownloadPath()));
}

INSTANTIATE_TEST_SUITE_P(Downloads, RateFileStoreBadDownloadTest, ::testing::ValuesIn(kBadDownloads),
                         [](const auto& info) { return std::string(info.param.name); });

struct RateUrlCase {
    const char* name;
    const wchar_t* registryUrl;
    const char* environmentUrl;
    const wchar_t* host;
    const wchar_t* expected;
};

const RateUrlCase kRateUrls[] = {
    {"NothingConfigured", nullptr, nullptr, nullptr, L""},
    {"HostOnly", nullptr, nullptr, L"rates.example.org", L"http://rates.example.org/mobileapps/tallyx/currency.ini"},
    {"EnvironmentBeatsHost", nullptr, "https://mirror.example.org/c.ini", L"rates.example.org",
     L"https://mirror.example.org/c.ini"},
    {"RegistryBeatsAll", L"http://127.0.0.1:8080/c.ini", "https://mirror.example.org/c.ini", L"rates.example.org",
     L"http://127.0.0.1:8080/c.ini"},
    {"BlankValuesCountAsAbsent", L"  ", "", L" ", L""},
};

void PrintTo(const RateUrlCase& configured, std::ostream* out)
{
    *out << configured.name;
}

class RateUrlTest : public ::testing::TestWithParam<RateUrlCase> {};

TEST_P(RateUrlTest, FollowsTheConfiguration)
{
    const RateUrlCase& configured = GetParam();
    TemporaryProgramFolder folder;
    if (configured.registryUrl) folder.Registry().WriteString(kTallyxKey, L"RateURL", configured.registryUrl);
    if (configured.host) folder.Registry().WriteString(kTallyxKey, L"RateHost", configured.host);
    if (configured.environmentUrl) {
        setenv("TALLYX_RATE_URL", configured.environmentUrl, 1);
    } else {
        unsetenv("TALLYX_RATE_URL");
    }

    EXPECT_EQ(RateUrl(), configured.expected);
    unsetenv("TALLYX_RATE_URL");
}

INSTANTIATE_TEST_SUITE_P(Sources, RateUrlTest, ::testing::ValuesIn(kRateUrls),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallyx
