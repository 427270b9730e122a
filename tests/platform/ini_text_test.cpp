#include "platform/ini_text.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/services.h"

namespace tallyx {
namespace {

// A failed look-up leaves the (empty) default, never text from before.
TEST(IniTextTest, LookupFindsTheFirstMatchOrGivesTheDefault)
{
    const std::string longValue(300, 'v');
    const struct {
        const char* what;
        std::string text;
        std::wstring section;
        std::wstring key;
        std::wstring value;  // empty: not found
    } cases[] = {
        {"tabs around the equals sign", "[Init]\r\nBtnType\t\t\t= 7\r\n", L"Init", L"BtnType", L"7"},
        {"names in other letter case", "[MainButtons]\r\nBtn1=MemoryStore\r\n", L"mainBUTTONS", L"bTN1",
         L"MemoryStore"},
        {"two empty CR-LF lines end the text", "[A]\r\nk=1\r\n\r\n\r\n[B]\r\nk=2\r\n", L"B", L"k", L""},
        {"text before the two empty lines stays", "[A]\r\nk=1\r\n\r\n\r\n[B]\r\nk=2\r\n", L"A", L"k", L"1"},
        {"one empty CR-LF line goes on", "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n", L"B", L"k", L"2"},
        {"bare line feeds have no empty lines", "[A]\nk=1\n\n\n\n\n[B]\nk=2\n", L"B", L"k", L"2"},
        {"a blank line of spaces is no empty line", "[A]\r\n \r\n \r\n[B]\r\nk=2", L"B", L"k", L"2"},
        {"the second copy of a section is never searched", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", L"A", L"y", L""},
        {"the first of two keys wins", "[A]\r\nk=1\r\nK=2\r\n", L"A", L"k", L"1"},
        {"entries before any section are dropped", "k=1\r\n[A]\r\n", L"A", L"k", L""},
        {"an empty value is missing", "[A]\r\nk=   \r\n", L"A", L"k", L""},
        {"the value keeps later equals signs", "[A]\r\nk = a=b \r\n", L"A", L"k", L"a=b"},
        {"a line starting with = is ignored", "[A]\r\n=1\r\nk=2\r\n", L"A", L"", L""},
        {"a semicolon line with = is an entry", "[A]\r\n;note=1\r\n", L"A", L";note", L"1"},
        {"the bracketed name is not trimmed", "[ A ]\r\nk=1\r\n", L"A", L"k", L""},
        {"a line without = is ignored", "[A]\r\njunk\r\nk=1", L"A", L"k", L"1"},
        {"a UTF-8 byte-order mark is skipped", "\xEF\xBB\xBF[A]\r\nk=1\r\n", L"A", L"k", L"1"},
        {"8-bit text is Windows-1252", "[A]\r\ncurrency=\x80\xA3\r\n", L"A", L"currency", L"\u20AC\u00A3"},
        {"long lines are cut at 255 characters", "[A]\r\nk=" + longValue + "\r\n", L"A", L"k", std::wstring(253, L'v')},
        {"a cut section line loses its bracket", "[A]\r\n[" + longValue + "]\r\nk=1\r\n", L"A", L"k", L"1"},
    };
    for (const auto& c : cases) {
        IniText ini;
        ASSERT_EQ(ini.LoadFromText(c.text), StatusOk);
        std::wstring value = L"stale";
        EXPECT_EQ(ini.GetString(value, c.section, c.key, L""), c.value.empty() ? StatusInvalidArgument : StatusOk)
            << c.what;
        EXPECT_EQ(value, c.value) << c.what;
    }
}

TEST(IniTextTest, NumbersReadLikeWtolAndColoursAsRedGreenBlue)
{
    IniText ini;
    ASSERT_EQ(ini.LoadFromText("[A]\r\nk=12abc\r\nempty=\r\n"), StatusOk);
    std::int32_t number = 0;
    EXPECT_EQ(ini.GetInt(number, L"A", L"k", 42), StatusOk);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(ini.GetInt(number, L"A", L"empty", 42), StatusInvalidArgument);
    EXPECT_EQ(number, 42);

    const std::pair<const char*, Color> colours[] = {
        {"Background=63,65,63", 0x3F413F}, {"Background=63", 0xFFFF3F},         {"Background=300,0,0", 44},
        {"Background=1,2,3,4", 0x030201},  {"Background=63,,5", 0xFF053F},      {"Background= 1 , 2 , 3 ", 0x030201},
        {"Background=red", 0xFFFF00},      {"Other=1,2,3", kMissingSkinColor},
    };
    for (const auto& [line, expected] : colours) {
        ASSERT_EQ(ini.LoadFromText(std::string("[Skin]\r\n") + line + "\r\n"), StatusOk);
        Color value = 0;
        EXPECT_EQ(ini.GetColor(value, L"Skin", L"Background", kMissingSkinColor),
                  expected == kMissingSkinColor ? StatusInvalidArgument : StatusOk) << line;
        EXPECT_EQ(value, expected) << line;
    }
}

TEST(IniTextTest, LoadingReplacesTheDocumentAndKeepsTextOrder)
{
    IniText ini;
    ASSERT_EQ(ini.LoadFromText("[A]\r\nk=1\r\n"), StatusOk);
    ASSERT_EQ(ini.LoadFromText("[B]\r\nz=1\r\na=2\r\n[C]\r\n[B]\r\n"), StatusOk);
    EXPECT_EQ(ini.FindSection(L"A"), nullptr);
    ASSERT_EQ(ini.Sections().size(), 3u);
    EXPECT_EQ(ini.Sections()[1].name, L"C");
    ASSERT_EQ(ini.Sections()[0].entries.size(), 2u);
    EXPECT_EQ(ini.Sections()[0].entries[0].key, L"z");
    EXPECT_EQ(ini.Sections()[0].entries[1].value, L"2");
}

TEST(IniTextTest, ResourcesAreParsedUpToTheirOwnSize)
{
    MemoryResources resources;
    resources.Add("TXT", "IDR_TXT_TEST", std::string("[A]\r\nk=1", 8) + std::string("\0\r\nj=2", 6));
    PlatformServices services = Platform();
    services.resources = &resources;
    const ScopedPlatform scoped(services);

    IniText ini;
    ASSERT_EQ(ini.LoadFromResource("IDR_TXT_TEST"), StatusOk);
    std::wstring value;
    EXPECT_EQ(ini.GetString(value, L"A", L"j", L""), StatusOk);
    EXPECT_EQ(value, L"2");
    EXPECT_EQ(ini.LoadFromResource("IDR_TXT_MISSING"), StatusOutOfMemory);
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_EQ(ini.LoadFromResource(""), StatusInvalidArgument);
}

TEST(IniTextTest, FilesAreReadUpTo30000BytesAndFailuresLeaveAnEmptyDocument)
{
    std::string text = "[A]\r\n";
    while (text.size() < IniText::kMaxFileBytes - 100) {
        text += "filler=0123456789\r\n";
    }
    text += "[B]\r\nk=";
    text += std::string(IniText::kMaxFileBytes - text.size(), '7') + "89\r\nlate=1\r\n";  // the 7s end at the cut
    const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / "tallyx_ini_test.ini";
    std::ofstream(path, std::ios::binary) << text;
    IniText ini;
    ASSERT_EQ(ini.LoadFromFile(path), StatusOk);
    std::wstring value;
    EXPECT_EQ(ini.GetString(value, L"B", L"k", L""), StatusOk);
    EXPECT_EQ(value.find(L'8'), std::wstring::npos);
    EXPECT_EQ(ini.GetString(value, L"B", L"late", L""), StatusInvalidArgument);
    std::filesystem::remove(path);

    EXPECT_EQ(ini.LoadFromFile(path), StatusFail);
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_EQ(ini.LoadFromFile(testing::TempDir()), StatusFail);
    EXPECT_EQ(ini.LoadFromFile(""), StatusInvalidArgument);
}

}  // namespace
}  // namespace tallyx
