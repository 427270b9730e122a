#include "keypad/button_vocabulary.h"

#include <string>

#include <gtest/gtest.h>

#include "keypad/caption_table.h"
#include "platform/wide_text.h"
#include "tests/keypad/case_name.h"

namespace tallyx {
namespace {

struct NamedKeyCase {
    const wchar_t* name;
    int skinIndex;
    std::int32_t type;
    std::int32_t id;
    std::int32_t style;
    const wchar_t* caption;
    const wchar_t* raisedCaption;
};

class NamedKey : public testing::TestWithParam<NamedKeyCase> {};

TEST_P(NamedKey, IsFoundInAnyLetterCase)
{
    const NamedKeyCase& c = GetParam();
    const auto button = FindButtonByName(c.name, c.skinIndex);
    ASSERT_TRUE(button.has_value());
    EXPECT_EQ(button->type, c.type);
    EXPECT_EQ(button->id, c.id);
    EXPECT_EQ(button->style, c.style);
    EXPECT_STREQ(button->caption, c.caption);
    EXPECT_STREQ(button->raisedCaption, c.raisedCaption);
}

INSTANTIATE_TEST_SUITE_P(Vocabulary, NamedKey,
                         testing::Values(NamedKeyCase{L"2ndFunction", 0, 7, 0, 4, L"2ndF", L""},
                                         NamedKeyCase{L"xroot", 1, 1, 6, 1, L"y√‾", L""},
                                         NamedKeyCase{L"BACKSPACE", 2, 8, 3, 3, L"", L""},
                                         NamedKeyCase{L"XToTheY", 3, 1, 4, 1, L"x", L"y"},
                                         NamedKeyCase{L"10totheX", 4, 2, 27, 1, L"10", L"x"},
                                         NamedKeyCase{L"LastX", 0, 6, 99, 1, L"Ans", L""},
                                         NamedKeyCase{L"MenuButton", 0, 0, 0, 4, L"0", L""},
                                         NamedKeyCase{L"abs", 0, 2, 17, 1, L"|x|", L""},
                                         NamedKeyCase{L"Blank", 0, 5, 2, 0, L" ", L""},
                                         NamedKeyCase{L"PwrReg", 0, 13, 19, 5, L"PwrReg", L""}),
                         CaseName());

TEST(ButtonVocabularyTest, UnknownNamesSkinsAndColourSectionsFindNothing)
{
    EXPECT_FALSE(FindButtonByName(L"NoSuchKey"));
    EXPECT_FALSE(FindButtonByName(L""));
    EXPECT_FALSE(FindButtonByName(L"init"));
    EXPECT_FALSE(FindButtonByName(L"Skin"));
    EXPECT_FALSE(FindButtonByName(L"Plus", 5));
    EXPECT_FALSE(FindButtonByName(L"Plus", -1));
}

TEST(ButtonVocabularyTest, NamesAreTheVocabularyInTableOrder)
{
    const auto names = ButtonNames();
    ASSERT_EQ(names.size(), 145u);
    EXPECT_EQ(names.front(), L"2ndFunction");
    EXPECT_EQ(names[10], L"0");
    EXPECT_EQ(names.back(), L"Blank");
    for (const std::wstring& name : names) {
        EXPECT_TRUE(FindButtonByName(name)) << NarrowUtf8(name);
    }
}

struct CaptionCase {
    std::int32_t type;
    std::int32_t id;
    const wchar_t* caption;
};

class Caption : public testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, ComesFromTheTableOfItsType)
{
    const CaptionCase& c = GetParam();
    EXPECT_STREQ(CaptionFor(c.type, c.id).caption, c.caption) << c.type << "," << c.id;
}

INSTANTIATE_TEST_SUITE_P(
    ExtraCaptions, Caption,
    testing::Values(CaptionCase{6, 1, L"e"}, CaptionCase{6, 15, L"u◦"}, CaptionCase{6, 19, L"amu"},
                    CaptionCase{6, 98, L"LastX"}, CaptionCase{7, 3, L"RCL"}, CaptionCase{7, 6, L"RCL"},
                    CaptionCase{7, 4, L"STO"}, CaptionCase{7, 7, L"CPT"}, CaptionCase{9, 1, L"CpEq"},
                    CaptionCase{2, 16, L"log2"}, CaptionCase{2, 20, L"d°m′s"}, CaptionCase{10, 7, L" B7 "},
                    CaptionCase{10, 9, L" B9 "}, CaptionCase{10, 15, L"B15"}, CaptionCase{12, 4, L"Graph"},
                    CaptionCase{12, 7, L"Opt.."}, CaptionCase{12, 8, L"Next"}, CaptionCase{13, 1, L"Grph"},
                    CaptionCase{13, 3, L"Quit"}, CaptionCase{13, 4, L"Quad"}, CaptionCase{4, 7, L"MS8"},
                    CaptionCase{4, 32, L"M8"}, CaptionCase{4, 33, L"M+"},
                    // Outside the tables: no caption.
                    CaptionCase{0, 17, L""}, CaptionCase{6, 21, L""}, CaptionCase{10, 1, L""},
                    CaptionCase{14, 0, L""}, CaptionCase{-1, 0, L""}),
    CaseName());

}  // namespace
}  // namespace tallyx
