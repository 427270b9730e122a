#include "convert/rate_archive.h"

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::TemporaryProgramFolder;

constexpr std::string_view kRateText =
    "[Info]\r\nnumcurrencies=2\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n2=EUR,Euro,EUR,0.85,0.84,0.86\r\n";

// kRateText packed by Info-ZIP ("zip -P"): deflated, with a data descriptor,
// so the password check byte comes from the entry's time.
constexpr std::uint8_t kInfoZipArchive[] = {
    0x50, 0x4b, 0x03, 0x04, 0x14, 0x00, 0x09, 0x00, 0x08, 0x00, 0xd2, 0x88, 0x86, 0x5d, 0xf6, 0x7d,
    0xbc, 0x8d, 0x5b, 0x00, 0x00, 0x00, 0x5f, 0x00, 0x00, 0x00, 0x12, 0x00, 0x1c, 0x00, 0x63, 0x75,
    0x72, 0x72, 0x65, 0x6e, 0x63, 0x79, 0x2d, 0x6e, 0x6f, 0x7a, 0x69, 0x70, 0x2e, 0x69, 0x6e, 0x69,
    0x55, 0x54, 0x09, 0x00, 0x03, 0x1b, 0x96, 0x15, 0x6b, 0x1b, 0x96, 0x15, 0x6b, 0x75, 0x78, 0x0b,
    0x00, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x84, 0x53, 0xf8, 0x81,
    0x8f, 0x08, 0x7d, 0x41, 0x78, 0x5d, 0x0c, 0x1c, 0x52, 0x3b, 0xd9, 0x28, 0x4f, 0x7a, 0xf4, 0xab,
    0x79, 0x46, 0xad, 0x2e, 0xc6, 0x49, 0xc4, 0xe7, 0xaf, 0x1a, 0x71, 0x80, 0xc9, 0x0b, 0x2a, 0xd7,
    0xe0, 0x8b, 0x5e, 0x8f, 0x39, 0xf6, 0xbd, 0x02, 0xeb, 0x4e, 0x72, 0xb7, 0x97, 0xfd, 0x00, 0x5c,
    0x70, 0x82, 0x78, 0x61, 0x52, 0xb5, 0xa5, 0x08, 0x41, 0x0a, 0x37, 0x25, 0x8d, 0x77, 0x3a, 0x08,
    0x19, 0xca, 0x3d, 0x92, 0x2e, 0x2f, 0xd8, 0xe3, 0xa0, 0x27, 0x05, 0x0d, 0x12, 0xc4, 0x82, 0xf7,
    0x96, 0xa9, 0xe3, 0xec, 0x7a, 0x54, 0xe7, 0x50, 0x4b, 0x07, 0x08, 0xf6, 0x7d, 0xbc, 0x8d, 0x5b,
    0x00, 0x00, 0x00, 0x5f, 0x00, 0x00, 0x00, 0x50, 0x4b, 0x01, 0x02, 0x1e, 0x03, 0x14, 0x00, 0x09,
    0x00, 0x08, 0x00, 0xd2, 0x88, 0x86, 0x5d, 0xf6, 0x7d, 0xbc, 0x8d, 0x5b, 0x00, 0x00, 0x00, 0x5f,
    0x00, 0x00, 0x00, 0x12, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xa4,
    0x81, 0x00, 0x00, 0x00, 0x00, 0x63, 0x75, 0x72, 0x72, 0x65, 0x6e, 0x63, 0x79, 0x2d, 0x6e, 0x6f,
    0x7a, 0x69, 0x70, 0x2e, 0x69, 0x6e, 0x69, 0x55, 0x54, 0x05, 0x00, 0x03, 0x1b, 0x96, 0x15, 0x6b,
    0x75, 0x78, 0x0b, 0x00, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x50,
    0x4b, 0x05, 0x06, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x58, 0x00, 0x00, 0x00, 0xb7,
    0x00, 0x00, 0x00, 0x00, 0x00,
};

TEST(RateArchiveTest, ReadsWhatItWrites)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    ASSERT_EQ(WriteRateArchive(archive, kRateText), StatusOk);
    std::string text;
    EXPECT_EQ(ReadRateArchive(archive, text), StatusOk);
    EXPECT_EQ(text, kRateText);
}

TEST(RateArchiveTest, ReadsArchivesOfOtherZipTools)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    TemporaryProgramFolder::Write(archive, std::string(std::begin(kInfoZipArchive), std::end(kInfoZipArchive)));
    std::string text;
    EXPECT_EQ(ReadRateArchive(archive, text), StatusOk);
    EXPECT_EQ(text, kRateText);
}

TEST(RateArchiveTest, EntryNameDoesNotMatterToTheReader)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    ASSERT_EQ(WriteRateArchive(archive, kRateText, {.name = "../../outside/evil.ini"}), StatusOk);
    std::string text;
    EXPECT_EQ(ReadRateArchive(archive, text), StatusOk);
    EXPECT_EQ(text, kRateText);
    EXPECT_FALSE(std::filesystem::exists(folder.Folder() / ".." / ".." / "outside"));
}

TEST(RateArchiveTest, UnencryptedArchivesReadToo)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    ASSERT_EQ(WriteRateArchive(archive, kRateText, {.password = ""}), StatusOk);
    std::string text;
    EXPECT_EQ(ReadRateArchive(archive, text), StatusOk);
    EXPECT_EQ(text, kRateText);
}

// Damaged or foreign bytes in place of the archive.
struct UnreadableCase {
    const char* name;
    std::string (*bytes)(const std::string& goodArchive);
};

const UnreadableCase kUnreadable[] = {
    {"Empty", [](const std::string&) { return std::string(); }},
    {"HtmlPage", [](const std::string&) { return std::string("<html><body>Moved</body></html>"); }},
    {"FirstHalf", [](const std::string& good) { return good.substr(0, good.size() / 2); }},
    {"CentralDirectoryCut", [](const std::string& good) { return good.substr(0, good.size() - 30); }},
    {"FlippedDataByte",
     [](const std::string& good) {
         std::string bad = good;
         bad[60] = static_cast<char>(bad[60] ^ 0x40);
         return bad;
     }},
};

void PrintTo(const UnreadableCase& unreadable, std::ostream* out)
{
    *out << unreadable.name;
}

class RateArchiveUnreadableTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(RateArchiveUnreadableTest, FailsAndGivesNoText)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    ASSERT_EQ(WriteRateArchive(archive, kRateText), StatusOk);
    TemporaryProgramFolder::Write(archive, GetParam().bytes(TemporaryProgramFolder::Read(archive)));
    std::string text = "old";
    EXPECT_NE(ReadRateArchive(archive, text), StatusOk);
    EXPECT_TRUE(text.empty());
}

INSTANTIATE_TEST_SUITE_P(Damage, RateArchiveUnreadableTest, ::testing::ValuesIn(kUnreadable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RateArchiveTest, WrongPasswordOrMissingFileFails)
{
    TemporaryProgramFolder folder;
    const auto archive = folder.Folder() / "currency.ini";
    ASSERT_EQ(WriteRateArchive(archive, kRateText, {.password = "not the password"}), StatusOk);
    std::string text;
    EXPECT_NE(ReadRateArchive(archive, text), StatusOk);
    EXPECT_NE(ReadRateArchive(folder.Folder() / "absent.ini", text), StatusOk);
}

TEST(RateArchiveTest, TextsAboveTheLimitAreRefused)
{
    TemporaryProgramFolder folder;
    EXPECT_NE(WriteRateArchive(folder.Folder() / "currency.ini", std::string(kRateTextLimit + 1, 'x')), StatusOk);
}

}  // namespace
}  // namespace tallyx
