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

// String values that a quoted text would not give back byte for byte are
// written so that a reload finds the very same bytes and drops nothing.
TEST(RegistryTextTest, EveryStringValueReadsBackByteForByte)
{
    const struct {
        const char* name;
        RegistryData::Value value;
    } cases[] = {
        {"plain", MakeStringValue(L"12.5")},
        {"beyond the basic plane", MakeStringValue(L"\U0001F600")},
        {"zero inside", MakeStringValue(std::wstring(L"1e\0" L"5", 4))},
        {"no terminating zero", {RegistryValueType::String, {0x41, 0x00}}},
        {"lone surrogate", {RegistryValueType::String, {0x00, 0xD8, 0x41, 0x00, 0x00, 0x00}}},
        {"line break", MakeStringValue(L"a\r\nb")},
        {"empty", {RegistryValueType::String, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegistryData data;
        data.Set(kKey, L"Memory0", c.value);
        const auto reading = ParseRegistryText(FormatRegistryText(data));
        ASSERT_TRUE(reading.has_value());
        EXPECT_TRUE(reading->droppedValues.empty());
        const RegistryData::Value* reread = reading->data.Find(kKey, L"Memory0");
        ASSERT_NE(reread, nullptr);
        EXPECT_EQ(reread->type, RegistryValueType::String);
        EXPECT_EQ(reread->bytes, c.value.bytes);
    }
}

TEST(RegistryTextTest, AKeyBeyondUnicodeReadsBackUnchanged)
{
    const auto reading = ParseRegistryText("REGEDIT4\n[HKEY_CURRENT_USER\\T\xF7\xBA\xA3\xB0r]\n\"A\"=dword:00000001\n");
    ASSERT_TRUE(reading.has_value());
    const auto reread = ParseRegistryText(FormatRegistryText(reading->data));
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(FormatRegistryText(reread->data), FormatRegistryText(reading->data));
    EXPECT_NE(reread->data.Find(L"T\xFFFD\xFFFD\xFFFD\xFFFDr", L"A"), nullptr);
}

}  // namespace
}  // namespace tallyx
