#include "platform/registry_text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

constexpr std::wstring_view kKey = L"SOFTWARE\\Vexa\\Tallyx";
constexpr std::string_view kSection = "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"CalcType\"=dword:00000002\n";

struct BadLineCase {
    const char* name;
    std::string lines;  // after a section holding CalcType 2
    std::vector<std::wstring> dropped;
};

// Each bad line costs its own value, named when its name reads; the values
// around it stay. Under a section that does not read, every value is lost.
TEST(RegistryTextTest, ABadLineCostsOnlyItsValue)
{
    const BadLineCase cases[] = {
        {"digits after a dword", "\"Skin\"=dword:3x\n", {L"Skin"}},
        {"short dword", "\"Skin\"=dword:3\n", {L"Skin"}},
        {"long dword", "\"Skin\"=dword:000000030\n", {L"Skin"}},
        {"unknown type", "\"Skin\"=qword:3\n", {L"Skin"}},
        {"no value", "\"Skin\"\n", {L"Skin"}},
        {"unterminated text", "\"Memory0\"=\"12.5\n", {L"Memory0"}},
        {"odd UTF-16 bytes", "\"Memory0\"=hex(1):41\n", {L"Memory0"}},
        {"bad hex list", "\"Blob\"=hex:0g,01\n", {L"Blob"}},
        {"no name", "Skin=dword:00000003\n", {L"line 4"}},
        {"one name twice", "\"Skin\"=dword:3x\n\"Skin\"=dword:\n", {L"Skin"}},
        {"two bad lines", "\"Skin\"=dword:3x\n\"Size\"=dword:\n", {L"Skin", L"Size"}},
        {"values under a bad section", "[HKEY_CURRENT_USER\\Other\n\"Skin\"=dword:00000003\n", {L"Skin", L"Size"}},
        {"values under another root", "[HKEY_LOCAL_MACHINE\\Other]\n\"Skin\"=dword:00000003\n", {L"Skin", L"Size"}},
    };
    for (const BadLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto reading = ParseRegistryText(std::string(kSection) + c.lines + "\"Size\"=dword:00000004\n");
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->droppedValues, c.dropped);
        std::uint32_t number = 0;
        const RegistryData::Value* calcType = reading->data.Find(kKey, L"CalcType");
        ASSERT_NE(calcType, nullptr);
        EXPECT_TRUE(DecodeDword(*calcType, number));
        EXPECT_EQ(number, 2u);
        EXPECT_EQ(reading->data.Find(kKey, L"Skin"), nullptr);
    }
}

TEST(RegistryTextTest, TextsThatAreNoExportAreRefused)
{
    const std::string texts[] = {"", "[Settings]\nSkin=3\n", "REGEDIT5\n", "\"Skin\"=dword:00000003\n"};
    for (const std::string& text : texts) {
        EXPECT_FALSE(ParseRegistryText(text).has_value()) << text;
    }
}

TEST(RegistryTextTest, AFormattedStoreReadsBackWithNothingDropped)
{
    RegistryData data;
    data.Set(kKey, L"Skin", MakeDwordValue(3));
    data.Set(kKey, L"Memory0", MakeStringValue(L"tab\there \"quoted\""));
    const auto reading = ParseRegistryText(FormatRegistryText(data));
    ASSERT_TRUE(reading.has_value());
    EXPECT_TRUE(reading->droppedValues.empty());
    EXPECT_EQ(FormatRegistryText(reading->data), FormatRegistryText(data));
}

}  // namespace
}  // namespace tallyx
