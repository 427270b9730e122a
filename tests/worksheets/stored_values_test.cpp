#include "worksheets/stored_values.h"

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "recording_host.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kKey = L"SOFTWARE\\Vexa\\Tallyx\\Worksheets";

TEST(StoredValuesTest, AbsentOrMisSizedValuesLeaveTheField)
{
    FreshRegistry fresh;
    const std::array<std::uint8_t, 4> four = {1, 0, 0, 0};
    fresh.Registry().WriteBinary(kKey, L"Short", four);
    fresh.Registry().WriteDword(kKey, L"Dword", 7);

    double number = 2.5;
    std::int32_t integer = 9;
    EXPECT_FALSE(ReadStoredDouble(kKey, L"Short", number));
    EXPECT_FALSE(ReadStoredDouble(kKey, L"Missing", number));
    EXPECT_FALSE(ReadStoredInteger(kKey, L"Dword", integer));
    EXPECT_EQ(number, 2.5);
    EXPECT_EQ(integer, 9);
    EXPECT_TRUE(ReadStoredInteger(kKey, L"Short", integer));
    EXPECT_EQ(integer, 1);
}

TEST(StoredValuesTest, ListingsWriteLittleEndianBytesAndReadBackThroughTheSetters)
{
    FreshRegistry fresh;
    double amount = 12.75;
    {
        StoredValues values(kKey, StoredValues::Direction::Write);
        values.Double(L"Amount", amount);
        values.Integer(L"Count", -2, [](std::int32_t) { FAIL() << "a write reads nothing"; });
    }
    std::array<std::uint8_t, 8> doubleBytes{};
    std::array<std::uint8_t, 4> integerBytes{};
    ASSERT_EQ(fresh.Registry().ReadBinary(kKey, L"Amount", doubleBytes), StatusOk);
    ASSERT_EQ(fresh.Registry().ReadBinary(kKey, L"Count", integerBytes), StatusOk);
    EXPECT_EQ(doubleBytes, (std::array<std::uint8_t, 8>{0, 0, 0, 0, 0, 0x80, 0x29, 0x40}));
    EXPECT_EQ(integerBytes, (std::array<std::uint8_t, 4>{0xFE, 0xFF, 0xFF, 0xFF}));

    double readAmount = 0.0;
    std::int32_t accepted = 0;
    StoredValues values(kKey, StoredValues::Direction::Read);
    values.Double(L"Amount", readAmount);
    values.Integer(L"Count", 0, [&](std::int32_t value) { accepted = value; });
    values.Integer(L"Absent", 0, [&](std::int32_t) { FAIL() << "nothing stored, nothing set"; });
    EXPECT_EQ(readAmount, 12.75);
    EXPECT_EQ(accepted, -2);
}

}  // namespace
}  // namespace tallyx
