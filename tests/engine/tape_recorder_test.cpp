#include "engine/tape_recorder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// A tape in a fresh folder at 22:03 UTC on 5 December 2026.
class TapeRecorderTest : public ::testing::Test {
protected:
    TapeRecorderTest()
        : root_(std::filesystem::temp_directory_path() /
                ("tallyx-tape-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))),
          clock_(DateTime{2026, 12, 5, 6, 22, 3, 7, 0}),
          paths_(root_),
          platform_(WithTestServices())
    {
        std::filesystem::remove_all(root_);
    }
    ~TapeRecorderTest() override { std::filesystem::remove_all(root_); }

    PlatformServices WithTestServices()
    {
        PlatformServices services = Platform();
        services.clock = &clock_;
        services.paths = &paths_;
        return services;
    }

    static std::string ReadFile(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path root_;
    FixedClock clock_;
    FixedPaths paths_;
    ScopedPlatform platform_;
};

TEST_F(TapeRecorderTest, RecordsEvaluationsUnderTheStartTimeOnlyWhileOnAndSavesThemAsUtf8)
{
    TapeRecorder tape;
    tape.RecordEvaluation(L"1+1", L"2");
    EXPECT_FALSE(tape.HasRecords());
    tape.SetRecording(true);
    tape.RecordEvaluation(L"2+3", L"5");
    tape.RecordEvaluation(L"", L"0");
    tape.RecordEvaluation(L"12°30′", L"syntax error");

    const std::wstring expected = L"12-5-2026\r\n22:3\r\n\r\n2+3\r\n=\r\n5\r\n------------------\r\n\r\n"
                                  L"12°30′\r\n=\r\nsyntax error\r\n------------------\r\n\r\n";
    EXPECT_EQ(tape.Text(), expected);
    EXPECT_EQ(tape.FilePath(), paths_.DocumentsFolder() / "Tallyx_12-5-2026-223.txt");
    EXPECT_EQ(tape.Save(), tape.FilePath());
    EXPECT_EQ(ReadFile(tape.FilePath()), NarrowUtf8(expected));
}

TEST_F(TapeRecorderTest, RestartKeepsARecordedTapeAndRenewsAnEmptyOne)
{
    TapeRecorder tape;
    tape.SetRecording(true);
    clock_.Set(DateTime{2026, 12, 5, 6, 23, 10, 0, 0});
    tape.SetRecording(false);
    tape.SetRecording(true);
    EXPECT_EQ(tape.FilePath().filename(), "Tallyx_12-5-2026-2310.txt");

    tape.RecordEvaluation(L"1+1", L"2");
    clock_.Set(DateTime{2026, 12, 6, 0, 9, 5, 0, 0});
    tape.SetRecording(false);
    tape.SetRecording(true);
    EXPECT_EQ(tape.FilePath().filename(), "Tallyx_12-5-2026-2310.txt");
    EXPECT_NE(tape.Text().find(L"1+1"), std::wstring::npos);
}

TEST_F(TapeRecorderTest, OnlyARecordedTapeIsWrittenUnforcedAndAtExit)
{
    std::filesystem::path path;
    {
        TapeRecorder tape;
        tape.SetRecording(true);
        path = tape.FilePath();
        EXPECT_EQ(tape.Write(false), StatusOk);
        EXPECT_FALSE(std::filesystem::exists(path));
        tape.RecordEvaluation(L"6×7", L"42");
    }
    EXPECT_NE(ReadFile(path).find("42"), std::string::npos);
}

TEST_F(TapeRecorderTest, UnwritableFolderLosesNothing)
{
    std::filesystem::create_directories(root_);
    std::ofstream(root_ / "documents") << "a file where the folder should be";
    TapeRecorder tape;
    tape.SetRecording(true);
    tape.RecordEvaluation(L"2+3", L"5");

    EXPECT_EQ(tape.Write(true), StatusFail);
    EXPECT_NE(tape.Text().find(L"2+3\r\n=\r\n5\r\n"), std::wstring::npos);
}

TEST_F(TapeRecorderTest, FullTapeStopsGrowing)
{
    TapeRecorder tape;
    tape.SetRecording(true);
    const std::wstring expression(200, L'1');
    for (int i = 0; i < 400; ++i) {
        tape.RecordEvaluation(expression, L"1");
    }
    EXPECT_LE(tape.Text().size(), TapeRecorder::kCapacity);
    EXPECT_GT(tape.Text().size(), TapeRecorder::kCapacity - 300);
}

}  // namespace
}  // namespace tallyx
