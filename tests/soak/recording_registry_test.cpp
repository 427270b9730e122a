#include <gtest/gtest.h>

#include "platform/memory_registry.h"
#include "recording_registry.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kKey = L"SOFTWARE\\Vexa\\Tallyx\\Soak";

TEST(RecordingRegistry, FindsEveryValueTheStoreDidNotKeep)
{
    MemoryRegistry store;
    RecordingRegistry registry(store);
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    registry.WriteDword(kKey, L"Count", 7);
    registry.WriteString(kKey, L"Name", L"seven");
    registry.WriteBinary(kKey, L"Bytes", bytes);
    registry.WriteDword(std::wstring(kKey) + L"\\Below", L"Value", 2);
    registry.WriteDword(L"SOFTWARE\\Vexa\\Gone", L"Value", 1);
    ASSERT_EQ(registry.DeleteKeyTree(L"SOFTWARE\\Vexa\\Gone"), StatusOk);
    EXPECT_TRUE(ValuesNotKept(registry.Written(), store).empty());

    // Changed, of another size, or gone from the store behind the recorder's back.
    store.WriteDword(kKey, L"Count", 8);
    store.WriteBinary(kKey, L"Bytes", std::vector<std::uint8_t>{1, 2});
    store.DeleteKeyTree(std::wstring(kKey) + L"\\Below");
    const std::vector<std::wstring> lost = ValuesNotKept(registry.Written(), store);
    const std::wstring key(kKey);
    EXPECT_EQ(lost, (std::vector<std::wstring>{key + L"\\Bytes", key + L"\\Count", key + L"\\Below\\Value"}));
}

}  // namespace
}  // namespace tallyx
