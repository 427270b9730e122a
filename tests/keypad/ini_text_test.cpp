#include "keypad/ini_text.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/services.h"
#include "tests/keypad/case_name.h"

namespace tallyx {
namespace {

struct LookupCase {
    const char* what;
    std::string text;
    std::wstring section;
    std::wstring key;
    Status status;
    std::wstring value;
};

class IniTextLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniTextLookup, FindsTheFirstMatchOrKeepsTheDefault)
{
    const LookupCase& c = GetParam();
    IniText ini;
    ASSERT_EQ(ini.LoadFromText(c.text), StatusOk);
    std::wstring value = L"stale";
    EXPECT_EQ(ini.GetString(value, c.section, c.key, L"default"), c.status) << c.what;
    EXPECT_EQ(value, c.value) << c.what;
}

const std::string kLongValue(300, 'v');

INSTANTIATE_TEST_SUITE_P(
    Parsing, IniTextLookup,
    testing::Values(
        LookupCase{"tabs around the equals sign", "[Init]\r\nBtnType\t\t\t= 7\r\n", L"Init", L"BtnType", StatusOk, L"7"},
        LookupCase{"names in other letter case", "[MainButtons]\r\nBtn1=MemoryStore\r\n", L"mainBUTTONS", L"bTN1",
                   StatusOk, L"MemoryStore"},
        LookupCase{"two empty CR-LF lines end the text", "[A]\r\nk=1\r\n\r\n\r\n[B]\r\nk=2\r\n", L"B", L"k",
                   StatusInvalidArgument, L"default"},
        LookupCase{"text before the two empty lines stays", "[A]\r\nk=1\r\n\r\n\r\n[B]\r\nk=2\r\n", L"A", L"k",
                   StatusOk, L"1"},
        LookupCase{"one empty CR-LF line goes on", "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n", L"B", L"k", StatusOk, L"2"},
        LookupCase{"empty CR-LF lines apart go on", "[A]\r\n\r\nx=1\r\n\r\n[B]\r\nk=2", L"B", L"k", StatusOk, L"2"},
        LookupCase{"bare line feeds have no empty lines", "[A]\nk=1\n\n\n\n\n[B]\nk=2\n", L"B", L"k", StatusOk, L"2"},
        LookupCase{"a blank line of spaces is no empty line", "[A]\r\n \r\n \r\n[B]\r\nk=2", L"B", L"k", StatusOk,
                   L"2"},
        LookupCase{"the second copy of a section is never searched", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", L"A", L"y",
                   StatusInvalidArgument, L"default"},
        LookupCase{"the first of two keys wins", "[A]\r\nk=1\r\nK=2\r\n", L"A", L"k", StatusOk, L"1"},
        LookupCase{"entries before any section are dropped", "k=1\r\n[A]\r\n", L"A", L"k", StatusInvalidArgument,
                   L"default"},
        LookupCase{"an empty value is missing", "[A]\r\nk=   \r\n", L"A", L"k", StatusInvalidArgument, L"default"},
        LookupCase{"the value keeps later equals signs", "[A]\r\nk = a=b \r\n", L"A", L"k", StatusOk, L"a=b"},
        LookupCase{"a line starting with = is ignored", "[A]\r\n=1\r\nk=2\r\n", L"A", L"", StatusInvalidArgument,
                   L"default"},
        LookupCase{"a semicolon line with = is an entry", "[A]\r\n;note=1\r\n", L"A", L";note", StatusOk, L"1"},
        LookupCase{"spaces inside brackets belong to the name", "[ A ]\r\nk=1\r\n", L" A ", L"k", StatusOk, L"1"},
        LookupCase{"the bracketed name is not trimmed", "[ A ]\r\nk=1\r\n", L"A", L"k", StatusInvalidArgument,
                   L"default"},
        LookupCase{"a line without = is ignored", "[A]\r\njunk\r\nk=1", L"A", L"k", StatusOk, L"1"},
        LookupCase{"8-bit text is Windows-1252", "[A]\r\ncurrency=\x80\xA3\r\n", L"A", L"currency", StatusOk,
                   L"\u20AC\u00A3"},
        LookupCase{"long lines are cut at 255 characters", "[A]\r\nk=" + kLongValue + "\r\n", L"A", L"k", StatusOk,
                   std::wstring(253, L'v')},
        LookupCase{"a cut section line loses its bracket", "[A]\r\n[" + kLongValue + "]\r\nk=1\r\n", L"A", L"k",
                   StatusOk, L"1"},
        LookupCase{"an empty document finds nothing", "", L"A", L"k", StatusInvalidArgument, L"default"}),
    CaseName());

struct IntCase {
    const char* value;
    std::int32_t expected;
    Status status;
};

class IniTextInt : public testing::TestWithParam<IntCase> {};

TEST_P(IniTextInt, ReadsLikeWtol)
{
    const IntCase& c = GetParam();
    IniText ini;
    ASSERT_EQ(ini.LoadFromText(std::string("[A]\r\n") + c.value + "\r\n"), StatusOk);
    std::int32_t value = 0;
    EXPECT_EQ(ini.GetInt(value, L"A", L"k", 42), c.status) << c.value;
    EXPECT_EQ(value, c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Values, IniTextInt,
                         testing::Values(IntCase{"k=12abc", 12, StatusOk}, IntCase{"k=abc", 0, StatusOk},
                                         IntCase{"k=-7", -7, StatusOk}, IntCase{"k=0x1F", 0, StatusOk},
                                         IntCase{"k=", 42, StatusInvalidArgument},
                                         IntCase{"other=5", 42, StatusInvalidArgument}),
                         CaseName());

struct ColorCase {
    const char* value;
    Color expected;
    Status status;
};

class IniTextColor : public testing::TestWithParam<ColorCase> {};

TEST_P(IniTextColor, ReadsRedGreenBlue)
{
    const ColorCase& c = GetParam();
    IniText ini;
    ASSERT_EQ(ini.LoadFromText(std::string("[Skin]\r\n") + c.value + "\r\n"), StatusOk);
    Color value = 0;
    EXPECT_EQ(ini.GetColor(value, L"Skin", L"Background", kMissingSkinColor), c.status) << c.value;
    EXPECT_EQ(value, c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Values, IniTextColor,
                         testing::Values(ColorCase{"Background=63,65,63", 0x3F413F, StatusOk},
                                         ColorCase{"Background=63", 0xFFFF3F, StatusOk},
                                         ColorCase{"Background=300,0,0", 44, StatusOk},
                                         ColorCase{"Background=1,2,3,4", 0x030201, StatusOk},
                                         ColorCase{"Background=63,,5", 0xFF053F, StatusOk},
                                         ColorCase{"Background= 1 , 2 , 3 ", 0x030201, StatusOk},
                                         ColorCase{"Background=red", 0xFFFF00, StatusOk},
                                         ColorCase{"Other=1,2,3", kMissingSkinColor, StatusInvalidArgument}),
                         CaseName());

TEST(IniTextTest, LoadingReplacesTheDocument)
{
    IniText ini;
    ASSERT_EQ(ini.LoadFromText("[A]\r\nk=1\r\n"), StatusOk);
    ASSERT_EQ(ini.LoadFromText("[B]\r\nk=2\r\n"), StatusOk);
    EXPECT_EQ(ini.FindSection(L"A"), nullptr);
    ASSERT_NE(ini.FindSection(L"b"), nullptr);
    ini.Clear();
    EXPECT_TRUE(ini.Sections().empty());
}

TEST(IniTextTest, KeepsSectionsAndEntriesInTextOrder)
{
    IniText ini;
    ASSERT_EQ(ini.LoadFromText("[B]\r\nz=1\r\na=2\r\n[A]\r\n[B]\r\n"), StatusOk);
    ASSERT_EQ(ini.Sections().size(), 3u);
    EXPECT_EQ(ini.Sections()[0].name, L"B");
    EXPECT_EQ(ini.Sections()[1].name, L"A");
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

class IniTextFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tallyx_ini_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path Write(const std::string& bytes)
    {
        const auto path = folder_ / "test.ini";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(IniTextFile, ReadsOnlyTheFirst30000Bytes)
{
    std::string text = "[A]\r\n";
    while (text.size() < IniText::kMaxFileBytes - 100) {
        text += "filler=0123456789\r\n";
    }
    text += "[B]\r\n";
    text += "k=" + std::string(IniText::kMaxFileBytes - text.size() - 2, '7');  // ends exactly at the cut
    text += "89\r\nlate=1\r\n";
    IniText ini;
    ASSERT_EQ(ini.LoadFromFile(Write(text)), StatusOk);
    std::wstring value;
    ASSERT_EQ(ini.GetString(value, L"B", L"k", L""), StatusOk);
    EXPECT_EQ(value.find(L'8'), std::wstring::npos);
    EXPECT_NE(ini.GetString(value, L"B", L"late", L""), StatusOk);
}

TEST_F(IniTextFile, FailuresLeaveAnEmptyDocument)
{
    IniText ini;
    ASSERT_EQ(ini.LoadFromText("[A]\r\nk=1\r\n"), StatusOk);
    EXPECT_EQ(ini.LoadFromFile(folder_ / "missing.ini"), StatusFail);
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_EQ(ini.LoadFromFile(folder_), StatusFail);
    EXPECT_EQ(ini.LoadFromFile(""), StatusInvalidArgument);
}

}  // namespace
}  // namespace tallyx
