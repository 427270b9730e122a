#include "keypad/layout_builder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ini_text.h"
#include "tests/keypad/button_captions.h"

namespace tallyx {
namespace {

// A small skin: enough keys to see the rewritings and the captions.
constexpr const char* kSkin =
    "[Init]\r\nBtnType=11\r\n\r\n"
    "[7]\r\nBtnType=0\r\nBtnId=7\r\nBtnStyle=0\r\n"
    "[Equals]\r\nBtnType=5\r\nBtnId=0\r\nBtnStyle=0\r\n"
    "[OpenBracket]\r\nBtnType=3\r\nBtnId=0\r\nBtnStyle=1\r\n"
    "[MemoryStore]\r\nBtnType=4\r\nBtnId=0\r\nBtnStyle=2\r\n"
    "[MemoryMinus]\r\nBtnType=4\r\nBtnId=34\r\nBtnStyle=2\r\n"
    "[Clear]\r\nBtnType=8\r\nBtnId=0\r\nBtnStyle=3\r\n"
    "[XToTheY]\r\nBtnType=1\r\nBtnId=4\r\nBtnStyle=1\r\n"
    "[Sin]\r\nBtnType=2\r\nBtnId=1\r\nBtnStyle=1\r\n"
    "[SinHyp]\r\nBtnType=2\r\nBtnId=7\r\nBtnStyle=1\r\n";

TEST(LayoutBuilderTest, PlacesTheSkinKeys)
{
    const std::string grid = "[Init]\r\nMainBtnRows=1\r\nMainBtnColumns=3\r\nAltBtnRows=1\r\nAltBtnColumns=3\r\n";
    const struct {
        const char* what;
        std::string layout;
        KeyRewriting rewriting;
        std::vector<std::wstring> main;
        std::vector<std::wstring> alternate;
        std::vector<std::wstring> second;
        std::vector<std::wstring> hyperbolic;
    } cases[] = {
        {"a missing main position moves later keys up", grid + "[MainButtons]\r\nBtn1=7\r\nBtn3=Equals\r\n", {},
         {L"7", L"="}, {}, {}, {}},
        {"a grid without sizes is three by three", "[Init]\r\nAltBtnRows=0\r\n[MainButtons]\r\nBtn9=7\r\nBtn10=7\r\n",
         {}, {L"7"}, {}, {}, {}},
        {"main positions beyond the grid are not read", grid + "[MainButtons]\r\nBtn1=7\r\nBtn4=Equals\r\n", {},
         {L"7"}, {}, {}, {}},
        {"a negative grid size means no positions",
         "[Init]\r\nMainBtnRows=-1\r\nMainBtnColumns=-3\r\nAltBtnRows=0\r\n[MainButtons]\r\nBtn1=7\r\nBtn3=7\r\n", {},
         {}, {}, {}, {}},
        {"a grid far too large means no positions",
         "[Init]\r\nMainBtnRows=2147483647\r\nMainBtnColumns=9\r\nAltBtnRows=0\r\n[MainButtons]\r\nBtn1=7\r\n", {},
         {}, {}, {}, {}},
        {"names match skin sections in any letter case", grid + "[MainButtons]\r\nBtn1=xtothey\r\nBtn2=SIN\r\n", {},
         {L"x^y", L"sin"}, {}, {}, {}},
        {"a name the skin lacks is the digit 0", grid + "[MainButtons]\r\nBtn1=NoSuchKey\r\n", {}, {L"0"}, {}, {}, {}},
        {"the alternate list ends at its first gap", grid + "[AltButtons]\r\nBtn1=7\r\nBtn3=Sin\r\n", {}, {}, {L"7"},
         {}, {}},
        {"2nd ends at its gap on its own, Hyp is read where 2nd has a key",
         grid + "[AltButtons]\r\nBtn1=7\r\nBtn2=7\r\nBtn3=7\r\n[2nd]\r\nBtn1=Sin\r\nBtn2=Sin\r\n"
                "[Hyp]\r\nBtn2=SinHyp\r\nBtn3=SinHyp\r\n",
         {}, {}, {L"7", L"7", L"7"}, {L"sin", L"sin"}, {L"sinh"}},
        {"advanced memory rewrites main and alternate memory keys",
         grid + "[MainButtons]\r\nBtn1=MemoryStore\r\nBtn2=MemoryMinus\r\n[AltButtons]\r\nBtn1=MemoryStore\r\n"
                "[2nd]\r\nBtn1=MemoryStore\r\n",
         {true, false}, {L"STO", L"M3"}, {L"STO"}, {L"MS"}, {}},
        {"RPN rewrites every list",
         grid + "[MainButtons]\r\nBtn1=Equals\r\nBtn2=OpenBracket\r\nBtn3=Clear\r\n[AltButtons]\r\nBtn1=Equals\r\n"
                "[2nd]\r\nBtn1=Clear\r\n",
         {false, true}, {L"Enter", L"X<>Y", L"CLX"}, {L"Enter"}, {L"CLX"}, {}},
    };
    IniText skin;
    ASSERT_EQ(skin.LoadFromText(kSkin), StatusOk);
    for (const auto& c : cases) {
        IniText layoutText;
        ASSERT_EQ(layoutText.LoadFromText(c.layout), StatusOk);
        const LayoutDef layout = BuildLayout(layoutText, skin, c.rewriting);
        EXPECT_EQ(Captions(layout.mainButtons), c.main) << c.what;
        EXPECT_EQ(Captions(layout.alternateButtons), c.alternate) << c.what;
        EXPECT_EQ(Captions(layout.secondButtons), c.second) << c.what;
        EXPECT_EQ(Captions(layout.hyperbolicButtons), c.hyperbolic) << c.what;
    }
}

}  // namespace
}  // namespace tallyx
