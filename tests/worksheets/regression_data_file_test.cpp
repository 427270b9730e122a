#include "worksheets/regression_data_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "worksheets/worksheet_cell.h"

namespace tallyx {
namespace {

using Texts = std::vector<std::wstring>;

// UTF-16LE bytes of ASCII text.
std::string Utf16(std::string_view text)
{
    std::string bytes;
    for (const char character : text) {
        bytes += character;
        bytes += '\0';
    }
    return bytes;
}

class RegressionDataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tallyx_regression_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string ReadBytes(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder_;
};

TEST_F(RegressionDataFileTest, SaveWritesEachTextWithItsCommaAndNothingElse)
{
    const auto path = folder_ / "pairs.csv";
    ASSERT_EQ(SaveRegressionData(path, {L"1.5", L"2", L"3", L"4"}), StatusOk);
    EXPECT_EQ(ReadBytes(path), Utf16("1.5,2,3,4,"));
}

struct DecodeCase {
    std::string bytes;
    Texts texts;
};

TEST_F(RegressionDataFileTest, DecodeReadsFieldsUpToTheFirstEmptyOrUnterminatedOne)
{
    const DecodeCase cases[] = {
        {Utf16("1,2,3"), {L"1", L"2"}},
        {Utf16("1,2,,3,4,"), {L"1", L"2"}},
        {Utf16(""), {}},
        {Utf16("7,") + "x", {L"7"}},
        {Utf16("12345678901234567890123456789012345,1,"), {L"1234567890123456789012345678901", L"1"}},
        {std::string("5\0\0\0" "6\0,\0", 8), {L"5"}},
        {std::string("\x3D\xD8\x00\xDE,\0\x00\xDC,\0", 10), {L"\U0001F600", L"\uFFFD"}},
        {std::string("\xFF\xFF,\0\0\0\xFF\xFF,\0" "1\0,\0", 12), {L"\uFFFF"}},
    };
    for (const DecodeCase& example : cases) {
        EXPECT_EQ(DecodeRegressionData(example.bytes), example.texts) << example.bytes;
    }
}

TEST_F(RegressionDataFileTest, WhatSaveWritesLoadReadsBackExactly)
{
    std::mt19937 random(7);
    const std::wstring alphabet = L"0123456789.-+eE xyzé€\U0001F600";
    for (int round = 0; round < 50; ++round) {
        Texts texts(2 * (1 + random() % 120));
        for (std::wstring& text : texts) {
            const std::size_t length = 1 + random() % 31;
            for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        }
        const auto path = folder_ / "round.csv";
        ASSERT_EQ(SaveRegressionData(path, texts), StatusOk);
        Texts loaded;
        ASSERT_EQ(LoadRegressionData(path, loaded), StatusOk);
        EXPECT_EQ(loaded, texts);
    }
}

// Whatever a file holds, what decoding gives fits the cells and survives a
// save and a reload unchanged.
TEST_F(RegressionDataFileTest, DecodingAndEncodingAgreeForAnyUnits)
{
    std::mt19937 random(16);
    const char16_t units[] = {u'\0', u'\uFFFF', u',', u'1', u'\xD83D', u'\xDE00', u'\uFFFD'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        for (std::size_t length = random() % 80; length > 0; --length) {
            const char16_t unit = units[random() % std::size(units)];
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        const Texts texts = DecodeRegressionData(bytes);
        for (const std::wstring& text : texts) {
            ASSERT_FALSE(text.empty()) << testing::PrintToString(bytes);
            ASSERT_LE(text.size(), kCellTextLimit) << testing::PrintToString(bytes);
        }
        ASSERT_EQ(DecodeRegressionData(EncodeRegressionData(texts)), texts) << testing::PrintToString(bytes);
    }
}

TEST_F(RegressionDataFileTest, LoadAndSaveErrorsLeaveTheTextsAloneAnEmptyFileIsNone)
{
    Texts texts = {L"1", L"2"};
    EXPECT_EQ(LoadRegressionData(folder_ / "missing.csv", texts), StatusFail);
    EXPECT_EQ(LoadRegressionData(folder_, texts), StatusFail);
    EXPECT_EQ(texts, (Texts{L"1", L"2"}));
    EXPECT_EQ(SaveRegressionData(folder_ / "no such folder" / "pairs.csv", texts), StatusFail);
    EXPECT_EQ(SaveRegressionData(folder_, texts), StatusFail);
    std::ofstream(folder_ / "empty.csv").close();
    EXPECT_EQ(LoadRegressionData(folder_ / "empty.csv", texts), StatusOk);
    EXPECT_TRUE(texts.empty());
}

}  // namespace
}  // namespace tallyx
