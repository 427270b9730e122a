#include "keypad/keypad_layouts.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "keypad/skin_catalogue.h"
#include "platform/memory_registry.h"
#include "platform/services.h"

namespace tallyx {
namespace {

std::string SkinText(int plusStyle, const char* background)
{
    return std::string("[Skin]\r\nBackground=") + background +
           "\r\n[Plus]\r\nBtnType=1\r\nBtnId=0\r\nBtnStyle=" + std::to_string(plusStyle) +
           "\r\n[MemoryStore]\r\nBtnType=4\r\nBtnId=0\r\nBtnStyle=2\r\n[Equals]\r\nBtnType=5\r\nBtnId=0\r\n";
}

constexpr const char* kLayoutText =
    "[Init]\r\nMainBtnRows=1\r\nMainBtnColumns=3\r\nAltBtnRows=0\r\n[MainButtons]\r\n"
    "Btn1=MemoryStore\r\nBtn2=Plus\r\nBtn3=Equals\r\n";

// Every layout text is the same small one; the skins differ in the style of Plus.
class KeypadLayoutsTest : public testing::Test {
protected:
    KeypadLayoutsTest() : paths_(Folder()), scoped_(Services())
    {
        for (std::int32_t index = 0; index < kLayoutCount; ++index) {
            resources_.Add("TXT", std::string(LayoutTextName(index)), kLayoutText);
        }
        resources_.Add("TXT", std::string(SkinTextName(0)), SkinText(1, "1,2,3"));
        resources_.Add("TXT", std::string(SkinTextName(1)), SkinText(3, "4,5,6"));
    }
    ~KeypadLayoutsTest() override { std::filesystem::remove_all(Folder()); }

    static std::filesystem::path Folder()
    {
        return std::filesystem::temp_directory_path() /
               ("tallyx_layouts_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    }

    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        services.paths = &paths_;
        services.resources = &resources_;
        return services;
    }

    MemoryRegistry registry_;
    FixedPaths paths_;
    MemoryResources resources_;
    ScopedPlatform scoped_;
};

TEST_F(KeypadLayoutsTest, ReadsTheStoredFlagsAtCreation)
{
    const struct {
        std::uint32_t advancedMemory;
        std::uint32_t entryMode;
        bool expectAdvancedMemory;
        bool expectRpnKeys;
    } cases[] = {{1, 4, true, true}, {2, 3, false, false}, {1, 1, true, false}};
    for (const auto& c : cases) {
        registry_.WriteDword(kTallyxKey, L"AdvMem", c.advancedMemory);
        registry_.WriteDword(kTallyxKey, L"CalcMode", c.entryMode);
        KeypadLayouts layouts;
        EXPECT_EQ(layouts.AdvancedMemory(), c.expectAdvancedMemory) << c.advancedMemory;
        EXPECT_EQ(layouts.RpnKeys(), c.expectRpnKeys) << c.entryMode;
        ASSERT_EQ(layouts.SetCurrentLayout(LayoutStandard), StatusOk);
        EXPECT_STREQ(layouts.CurrentLayout()->mainButtons[0].caption, c.expectAdvancedMemory ? L"STO" : L"MS");
        EXPECT_STREQ(layouts.CurrentLayout()->mainButtons[2].caption, c.expectRpnKeys ? L"Enter" : L"=");
    }
}

TEST_F(KeypadLayoutsTest, RemembersThePreviousCalculatorLayout)
{
    const struct {
        std::vector<std::int32_t> indexes;
        std::int32_t previous;
    } cases[] = {
        {{LayoutStandard}, LayoutScientific},
        {{LayoutFinancial}, LayoutStandard},
        {{LayoutScientific, LayoutFinancial, LayoutFinancial}, LayoutScientific},
        {{LayoutScientific, LayoutBase, LayoutWorksheet, LayoutStatistics}, LayoutScientific},
        {{LayoutWorksheet}, kNoLayout},
    };
    for (const auto& c : cases) {
        KeypadLayouts layouts;
        for (const std::int32_t index : c.indexes) {
            ASSERT_EQ(layouts.SetCurrentLayout(index), StatusOk) << index;
        }
        EXPECT_EQ(layouts.CurrentIndex(), c.indexes.back());
        EXPECT_EQ(layouts.PreviousIndex(), c.previous) << c.indexes.back();
    }
}

TEST_F(KeypadLayoutsTest, RefusesLayoutsAndSkinsOutsideTheTable)
{
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutGraph), StatusOk);
    EXPECT_EQ(layouts.SetCurrentLayout(kLayoutCount), StatusInvalidArgument);
    EXPECT_EQ(layouts.SetCurrentLayout(-1), StatusInvalidArgument);
    EXPECT_EQ(layouts.Layout(kLayoutCount), nullptr);
    EXPECT_EQ(layouts.CurrentIndex(), LayoutGraph);
    EXPECT_EQ(layouts.SetSkin(kSkinCount, true), StatusInvalidArgument);
    EXPECT_EQ(layouts.SetSkin(-1, true), StatusInvalidArgument);
    EXPECT_EQ(layouts.SkinIndex(), 0);
}

TEST_F(KeypadLayoutsTest, ALayoutThatCannotBeBuiltChangesNothing)
{
    resources_ = MemoryResources();
    resources_.Add("TXT", std::string(SkinTextName(0)), SkinText(1, "1,2,3"));
    resources_.Add("TXT", std::string(LayoutTextName(LayoutStandard)), kLayoutText);
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutStandard), StatusOk);
    EXPECT_EQ(layouts.SetCurrentLayout(LayoutDate), StatusFail);
    EXPECT_EQ(layouts.CurrentIndex(), LayoutStandard);
    EXPECT_NE(layouts.CurrentLayout(), nullptr);
}

TEST_F(KeypadLayoutsTest, ASkinChangeRebuildsWithTheNewSkinAndForcedWithNewRewriting)
{
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutStandard), StatusOk);
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutGraph), StatusOk);
    EXPECT_EQ(layouts.CurrentLayout()->mainButtons[1].style, 1);
    ASSERT_EQ(layouts.SetSkin(1, false), StatusOk);
    EXPECT_EQ(layouts.SkinIndex(), 1);
    EXPECT_EQ(layouts.CurrentLayout()->mainButtons[1].style, 3);
    EXPECT_EQ(layouts.Colors().background, MakeColor(4, 5, 6));
    EXPECT_EQ(layouts.Layout(LayoutStandard)->mainButtons[1].style, 3);
    layouts.SetAdvancedMemory(true);
    ASSERT_EQ(layouts.SetSkin(1, false), StatusOk);
    EXPECT_STREQ(layouts.CurrentLayout()->mainButtons[0].caption, L"MS");
    ASSERT_EQ(layouts.SetSkin(1, true), StatusOk);
    EXPECT_STREQ(layouts.CurrentLayout()->mainButtons[0].caption, L"STO");
}

TEST_F(KeypadLayoutsTest, ACustomSkinReplacesKeysAndColoursAndAMissingOneLeavesNoKeys)
{
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutStandard), StatusOk);
    EXPECT_EQ(layouts.SetSkin(kCustomSkin, false), StatusFail);
    EXPECT_EQ(layouts.CurrentLayout(), nullptr);

    std::filesystem::create_directories(paths_.ProgramDataFolder());
    std::ofstream(paths_.ProgramDataFolder() / kCustomSkinFileName, std::ios::binary)
        << "[Skin]\r\nBackground=9,9,9\r\n[Plus]\r\nBtnType=1\r\nBtnId=1\r\nBtnStyle=5\r\n";
    ASSERT_EQ(layouts.SetSkin(kCustomSkin, false), StatusOk);
    ASSERT_NE(layouts.CurrentLayout(), nullptr);
    const auto& keys = layouts.CurrentLayout()->mainButtons;
    EXPECT_STREQ(keys[0].caption, L"0");  // MemoryStore has no section in this skin
    EXPECT_EQ(keys[0].type, ButtonTypeEntry);
    EXPECT_STREQ(keys[1].caption, L"-");
    EXPECT_EQ(keys[1].style, 5);
    EXPECT_EQ(layouts.Colors().background, MakeColor(9, 9, 9));
    // Styles outside 0-5 take the digit keys' colours.
    for (const std::int32_t style : {-1, 6, 1000}) {
        EXPECT_EQ(&layouts.Colors().SetForStyle(style), &layouts.Colors().SetForStyle(0)) << style;
    }
}

}  // namespace
}  // namespace tallyx
