#include "keypad/button_vocabulary.h"

#include <string>

#include <gtest/gtest.h>

#include "keypad/caption_table.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

TEST(ButtonVocabularyTest, NamesAreFoundInAnyLetterCaseWithTheSkinsKey)
{
    const struct {
        const wchar_t* name;
        int skinIndex;
        std::int32_t type;
        std::int32_t id;
        std::int32_t style;
        const wchar_t* caption;
        const wchar_t* raisedCaption;
    } cases[] = {
        {L"2ndFunction", 0, 7, 0, 4, L"2ndF", L""}, {L"xroot", 1, 1, 6, 1, L"y√‾", L""},
        {L"BACKSPACE", 2, 8, 3, 3, L"", L""},       {L"XToTheY", 3, 1, 4, 1, L"x", L"y"},
        {L"10totheX", 4, 2, 27, 1, L"10", L"x"},    {L"LastX", 0, 6, 99, 1, L"Ans", L""},
        {L"Blank", 0, 5, 2, 0, L" ", L""},          {L"PwrReg", 0, 13, 19, 5, L"PwrReg", L""},
    };
    for (const auto& c : cases) {
        const auto button = FindButtonByName(c.name, c.skinIndex);
        ASSERT_TRUE(button.has_value()) << NarrowUtf8(c.name);
        EXPECT_EQ(button->type, c.type) << NarrowUtf8(c.name);
        EXPECT_EQ(button->id, c.id) << NarrowUtf8(c.name);
        EXPECT_EQ(button->style, c.style) << NarrowUtf8(c.name);
        EXPECT_STREQ(button->caption, c.caption);
        EXPECT_STREQ(button->raisedCaption, c.raisedCaption);
    }
    for (const std::wstring& name : ButtonNames()) {
        EXPECT_TRUE(FindButtonByName(name)) << NarrowUtf8(name);
    }
}

TEST(ButtonVocabularyTest, UnknownNamesSkinsAndColourSectionsFindNothing)
{
    EXPECT_FALSE(FindButtonByName(L"NoSuchKey"));
    EXPECT_FALSE(FindButtonByName(L""));
    EXPECT_FALSE(FindButtonByName(L"init"));
    EXPECT_FALSE(FindButtonByName(L"Skin"));
    EXPECT_FALSE(FindButtonByName(L"Plus", 5));
    EXPECT_FALSE(FindButtonByName(L"Plus", -1));
}

TEST(ButtonVocabularyTest, CaptionsComeFromTheTableOfTheirTypeAndNothingOutsideIt)
{
    const struct {
        std::int32_t type;
        std::int32_t id;
        const wchar_t* caption;
    } cases[] = {
        {6, 98, L"LastX"}, {7, 6, L"RCL"}, {10, 7, L" B7 "}, {10, 15, L"B15"}, {4, 32, L"M8"}, {4, 33, L"M+"},
        {0, 17, L""},      {6, 21, L""},   {10, 1, L""},     {14, 0, L""},     {-1, 0, L""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(CaptionFor(c.type, c.id).caption, c.caption) << c.type << "," << c.id;
    }
}

}  // namespace
}  // namespace tallyx
