#include "platform/memory_registry.h"

#include <array>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

constexpr std::wstring_view kKey = L"SOFTWARE\\Vexa\\Tallyx";

TEST(MemoryRegistryTest, WrongTypeOrSizeReadsAsAbsent)
{
    MemoryRegistry registry;
    registry.WriteString(kKey, L"CalcType", L"9");
    registry.WriteDword(kKey, L"Memory0", 5);
    const std::array<std::uint8_t, 4> four = {1, 2, 3, 4};
    registry.WriteBinary(kKey, L"Blob", four);

    std::uint32_t number = 77;
    std::wstring text = L"kept";
    std::array<std::uint8_t, 8> eight{};
    EXPECT_EQ(registry.ReadDword(kKey, L"CalcType", number), StatusInvalidArgument);
    EXPECT_EQ(registry.ReadString(kKey, L"Memory0", text), StatusInvalidArgument);
    EXPECT_EQ(registry.ReadBinary(kKey, L"Blob", eight), StatusInvalidArgument);
    EXPECT_EQ(registry.ReadDword(kKey, L"Missing", number), StatusInvalidArgument);
    EXPECT_EQ(number, 77u);
}

TEST(MemoryRegistryTest, DeleteKeyTreeRemovesSubKeysOnly)
{
    MemoryRegistry registry;
    registry.WriteDword(kKey, L"Keep", 1);
    registry.WriteDword(L"SOFTWARE\\Vexa\\Tallyx\\Constants\\Deep", L"Gone", 3);
    registry.WriteDword(L"SOFTWARE\\Vexa\\TallyxOther", L"Keep", 4);

    EXPECT_EQ(registry.DeleteKeyTree(L"SOFTWARE\\Vexa\\Tallyx\\constants"), StatusOk);
    std::uint32_t number = 0;
    EXPECT_NE(registry.ReadDword(L"SOFTWARE\\Vexa\\Tallyx\\Constants\\Deep", L"Gone", number), StatusOk);
    EXPECT_EQ(registry.ReadDword(kKey, L"Keep", number), StatusOk);
    EXPECT_EQ(registry.ReadDword(L"SOFTWARE\\Vexa\\TallyxOther", L"Keep", number), StatusOk);
    EXPECT_NE(registry.DeleteKeyTree(L"SOFTWARE\\Nothing"), StatusOk);
}

}  // namespace
}  // namespace tallyx
