#include "platform/wide_text.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(WideTextTest, Utf8RoundTripsAndBrokenBytesBecomeReplacementCharacters)
{
    for (const std::wstring text : {L"", L"12°30′15″", L"x² ÷ π", L"\U0001F600 €"}) {
        EXPECT_EQ(WidenUtf8(NarrowUtf8(text)), text);
    }
    EXPECT_EQ(NarrowUtf8(L"°"), "\xC2\xB0");
    EXPECT_EQ(WidenUtf8("a\xFF" "b"), L"a\xFFFD" L"b");
    EXPECT_EQ(WidenUtf8("\xE2\x82"), L"\xFFFD\xFFFD");
    EXPECT_EQ(WidenUtf8("\xC2" "A"), L"\xFFFD" L"A");
    EXPECT_EQ(WidenUtf8("\xF4\x8F\xBF\xBF"), L"\x10FFFF");
    EXPECT_EQ(WidenUtf8("\xF7\xBA\xA3\xB0" "A"), L"\xFFFD\xFFFD\xFFFD\xFFFD" L"A");
}

TEST(WideTextTest, Windows1252MapsTheHighRange)
{
    EXPECT_EQ(WidenWindows1252("\x80 \xB0 \x96 \xE9"), L"€ ° – é");
    EXPECT_EQ(NarrowWindows1252(L"€ ° – é π"), "\x80 \xB0 \x96 \xE9 ?");
    EXPECT_EQ(WidenWindows1252("\x81"), L"\xFFFD");
}

TEST(WideTextTest, CaseInsensitiveComparisonAndTrimming)
{
    EXPECT_TRUE(EqualNoCase(L"Éclair", L"éCLAIR"));
    EXPECT_FALSE(EqualNoCase(L"Btn1", L"Btn10"));
    EXPECT_LT(CompareNoCase(L"abc", L"ABD"), 0);
    EXPECT_GT(CompareNoCase(L"b", L"A"), 0);
    EXPECT_EQ(TrimBlanks(L" \t\r\n\v\fkey = 7\r\n"), L"key = 7");
    EXPECT_EQ(TrimBlanks(L" \t "), L"");
}

}  // namespace
}  // namespace tallyx
