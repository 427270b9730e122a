// The layouts and skins that ship: every layout builds with every skin, every
// name it places is a key of the skin, and every caption is readable.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "keypad/keypad_layouts.h"
#include "keypad/layout_listing.h"
#include "keypad/skin_catalogue.h"
#include "platform/ini_text.h"
#include "platform/memory_registry.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "tests/keypad/button_captions.h"

namespace tallyx {
namespace {

class BuiltInKeypadsTest : public testing::Test {
protected:
    BuiltInKeypadsTest() : scoped_(Services()) {}

    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        return services;
    }

    MemoryRegistry registry_;
    ScopedPlatform scoped_;
};

TEST_F(BuiltInKeypadsTest, EveryLayoutBuildsWithEverySkinFillsItsGridAndNamesOnlyItsKeys)
{
    for (std::int32_t skinIndex = 0; skinIndex < kBuiltInSkinCount; ++skinIndex) {
        IniText skin;
        ASSERT_EQ(LoadSkin(skin, skinIndex), StatusOk);
        KeypadLayouts layouts;
        ASSERT_EQ(layouts.SetSkin(skinIndex, true), StatusOk);
        for (std::int32_t index = 0; index < kLayoutCount; ++index) {
            ASSERT_EQ(layouts.SetCurrentLayout(index), StatusOk) << "skin " << skinIndex << " layout " << index;
            const LayoutDef& layout = *layouts.CurrentLayout();
            const auto alternatePositions = static_cast<std::size_t>(layout.alternateRows * layout.alternateColumns);
            const auto mainPositions = static_cast<std::size_t>(layout.mainRows * layout.mainColumns);
            EXPECT_EQ(layout.mainButtons.size(), mainPositions) << "layout " << index;
            EXPECT_EQ(layout.alternateButtons.size(), alternatePositions) << "layout " << index;
            for (const auto* list :
                 {&layout.secondButtons, &layout.hyperbolicButtons, &layout.hyperbolicSecondButtons}) {
                EXPECT_TRUE(list->empty() || list->size() == alternatePositions) << "layout " << index;
            }

            IniText layoutText;
            ASSERT_EQ(layoutText.LoadFromResource(LayoutTextName(index)), StatusOk);
            for (const IniSection& section : layoutText.Sections()) {
                for (const IniEntry& entry : section.entries) {
                    EXPECT_TRUE(section.name == L"Init" || skin.FindSection(entry.value))
                        << "layout " << index << " [" << NarrowUtf8(section.name) << "] " << NarrowUtf8(entry.value);
                }
            }
        }
    }
}

TEST_F(BuiltInKeypadsTest, EverySkinHasTheSameVocabulary)
{
    IniText first;
    ASSERT_EQ(LoadSkin(first, 0), StatusOk);
    EXPECT_EQ(first.Sections().size(), 145u + 2u);
    for (std::int32_t skinIndex = 1; skinIndex < kBuiltInSkinCount; ++skinIndex) {
        IniText skin;
        ASSERT_EQ(LoadSkin(skin, skinIndex), StatusOk);
        ASSERT_EQ(skin.Sections().size(), first.Sections().size());
        for (std::size_t index = 2; index < first.Sections().size(); ++index) {
            const IniSection& expected = first.Sections()[index];
            const IniSection& actual = skin.Sections()[index];
            EXPECT_EQ(actual.name, expected.name);
            ASSERT_EQ(actual.entries.size(), expected.entries.size());
            for (std::size_t entry = 0; entry < expected.entries.size(); ++entry) {
                EXPECT_EQ(actual.entries[entry].value, expected.entries[entry].value) << NarrowUtf8(actual.name);
            }
        }
    }
}

TEST_F(BuiltInKeypadsTest, EveryCaptionIsReadableOnItsFaces)
{
    for (std::int32_t skinIndex = 0; skinIndex < kBuiltInSkinCount; ++skinIndex) {
        IniText skin;
        ASSERT_EQ(LoadSkin(skin, skinIndex), StatusOk);
        const SkinColors colors = ReadSkinColors(skin);
        for (std::size_t set = 0; set < colors.sets.size(); ++set) {
            const ColorSet& colorSet = colors.sets[set];
            // Set 0 takes its raised caption from a key no built-in skin gives.
            const std::vector<Color> captions =
                set == 0 ? std::vector<Color>{colorSet.text1, colors.topText}
                         : std::vector<Color>{colorSet.text1, colorSet.text2};
            for (const Color caption : captions) {
                for (const Color face : {colorSet.color1, colorSet.color2, colorSet.hiLite1, colorSet.hiLite2}) {
                    EXPECT_GE(ContrastRatio(caption, face), kReadableContrast)
                        << NarrowUtf8(SkinOptionsName(skinIndex)) << " set " << set;
                }
            }
        }
    }
}

TEST_F(BuiltInKeypadsTest, FinancialInRpnEntryHasTheRpnKeysButScientificIsNeverRewritten)
{
    registry_.WriteDword(kTallyxKey, L"CalcMode", 4);
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutFinancial), StatusOk);
    const LayoutDef& layout = *layouts.CurrentLayout();
    const std::vector<std::wstring> main = Captions(layout.mainButtons);
    EXPECT_EQ(std::vector<std::wstring>(main.begin(), main.begin() + 5),
              (std::vector<std::wstring>{L"MS", L"X<>Y", L"Roll", L"EEX", L"CHS"}));
    EXPECT_EQ(main[23], L"Enter");
    EXPECT_EQ(layout.secondButtons[4].caption, std::wstring(L"CE"));

    ASSERT_EQ(layouts.SetCurrentLayout(LayoutScientific), StatusOk);
    const std::vector<std::wstring> scientific = Captions(layouts.CurrentLayout()->mainButtons);
    EXPECT_EQ(scientific[1], L" ( ");
    EXPECT_EQ(scientific[23], L"=");
    EXPECT_EQ(LayoutIndexForEntry(LayoutScientific, true), LayoutScientificRpn);
    EXPECT_EQ(LayoutIndexForEntry(LayoutScientificRpn, false), LayoutScientific);
    EXPECT_EQ(LayoutIndexForEntry(LayoutFinancial, true), LayoutFinancial);
}

TEST_F(BuiltInKeypadsTest, StandardWithAdvancedMemoryReadsStoRclM1M2)
{
    registry_.WriteDword(kTallyxKey, L"AdvMem", 1);
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutStandard), StatusOk);
    const LayoutDef& layout = *layouts.CurrentLayout();
    std::vector<std::wstring> firstColumn;
    const auto columns = static_cast<std::size_t>(layout.mainColumns);
    for (std::size_t index = 0; index < layout.mainButtons.size(); index += columns) {
        firstColumn.push_back(layout.mainButtons[index].caption);
    }
    EXPECT_EQ(firstColumn, (std::vector<std::wstring>{L"STO", L"RCL", L"M1", L"M2"}));
    EXPECT_EQ(layout.mainButtons[0].type, ButtonTypeShift);
    EXPECT_EQ(layout.mainButtons[0].id, 4);
}

TEST_F(BuiltInKeypadsTest, TheListingShowsEveryAreaAndTheColours)
{
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetCurrentLayout(LayoutScientific), StatusOk);
    const std::wstring listing = LayoutListing(*layouts.CurrentLayout(), layouts.Colors());
    for (const wchar_t* line : {L"hyp2nd 8 2 10 1 \"asnh\"\n", L"main 1 4 0 2 \"MS\"\n", L"alt 17 1 4 1 \"x^y\"\n",
                                L"2nd 11 2 27 1 \"10^x\"\n", L"hyp 8 2 7 1 \"sinh\"\n", L"face-style 11\n",
                                L"set6-text1 255,255,255\n"}) {
        EXPECT_NE(listing.find(line), std::wstring::npos) << NarrowUtf8(line);
    }
    EXPECT_EQ(std::count(listing.begin(), listing.end(), L'\n'), 25 + 4 * 18 + 2 + 5 + 7 * 6);
}

}  // namespace
}  // namespace tallyx
