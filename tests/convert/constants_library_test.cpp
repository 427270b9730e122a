// The built-in library: its shape, its values and the favourites that name it.
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert/constants_db.h"
#include "platform/memory_registry.h"
#include "platform/number_text.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

struct Constant {
    std::vector<std::wstring> path;  // the groups above it
    std::wstring name;
    std::wstring value;
};

struct Tree {
    std::array<int, ConstantsDb::kLevelCount> groupsByLevel{};
    std::vector<Constant> constants;
};

std::size_t CountDigits(std::wstring_view text, std::size_t& at)
{
    const std::size_t start = at;
    while (at < text.size() && text[at] >= L'0' && text[at] <= L'9') {
        ++at;
    }
    return at - start;
}

// The calculator's number text: "-12.5", or one digit before the point and an
// exponent of a sign and three digits, "6.6743e-011".
bool IsCalculatorNumber(std::wstring_view text)
{
    std::size_t at = text.starts_with(L'-') ? 1 : 0;
    const std::size_t whole = CountDigits(text, at);
    if (whole == 0) {
        return false;
    }
    if (at < text.size() && text[at] == L'.') {
        ++at;
        if (CountDigits(text, at) == 0) {
            return false;
        }
    }
    if (at == text.size()) {
        return true;
    }
    if (whole != 1 || text[at] != L'e' || at + 1 == text.size() || (text[at + 1] != L'+' && text[at + 1] != L'-')) {
        return false;
    }
    at += 2;
    return CountDigits(text, at) == 3 && at == text.size();
}

class ConstantsLibraryTest : public ::testing::Test {
protected:
    ConstantsLibraryTest()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        scoped_.emplace(services);
        db_.emplace();
        EXPECT_EQ(db_->MapResourceText(), StatusOk);
    }

    // Every group and constant, walked through the public selection.
    Tree Walk()
    {
        Tree tree;
        std::vector<std::wstring> path;
        std::function<void(int)> visit = [&](int level) {
            for (int index = 0; index < db_->GetCount(level); ++index) {
                const std::wstring name = db_->GetName(level, index);
                if (db_->IsConstant(level, index)) {
                    tree.constants.push_back({path, name, db_->GetValue(level, index).value_or(L"")});
                    continue;
                }
                ++tree.groupsByLevel[static_cast<std::size_t>(level)];
                ASSERT_EQ(db_->Select(level, index), StatusOk);
                path.push_back(name);
                visit(level + 1);
                path.pop_back();
            }
        };
        visit(0);
        return tree;
    }

    std::vector<std::wstring> Names(int level) const
    {
        std::vector<std::wstring> names;
        for (int index = 0; index < db_->GetCount(level); ++index) {
            names.push_back(db_->GetName(level, index));
        }
        return names;
    }

    void SelectByName(int level, std::wstring_view name)
    {
        const auto names = Names(level);
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end()) << NarrowUtf8(name);
        ASSERT_EQ(db_->Select(level, static_cast<int>(found - names.begin())), StatusOk);
    }

    MemoryRegistry registry_;
    std::optional<ScopedPlatform> scoped_;
    std::optional<ConstantsDb> db_;
};

TEST_F(ConstantsLibraryTest, TreeHasItsShape)
{
    const Tree tree = Walk();
    EXPECT_EQ(tree.groupsByLevel[0], 4);
    EXPECT_EQ(tree.groupsByLevel[1], 31);
    EXPECT_GE(tree.groupsByLevel[2], 170);
    EXPECT_LE(tree.groupsByLevel[2], 200);
    EXPECT_EQ(tree.groupsByLevel[3], 0);
    EXPECT_GE(tree.constants.size(), 1400u);
    EXPECT_LE(tree.constants.size(), 1650u);
}

TEST_F(ConstantsLibraryTest, TopLevelsListTheirGroups)
{
    EXPECT_EQ(Names(0), (std::vector<std::wstring>{L"Mathematics", L"Physics", L"Solar System", L"Elements"}));
    struct Case {
        std::wstring_view group;
        std::vector<std::wstring> names;
    };
    const std::vector<Case> cases = {
        {L"Mathematics",
         {L"pi (Archimedes)", L"e (Napier)", L"log2", L"Euler-Mascheroni", L"Apery", L"Catalan", L"Conway",
          L"Delian", L"Khinchin", L"Soldner", L"Golden ratio"}},
        {L"Physics", {L"Universal", L"Electromagnetic", L"Atomic and Nuclear", L"Physico-chemical", L"Common Values"}},
        {L"Solar System",
         {L"Sol (the Sun)", L"Mercury", L"Venus", L"Earth", L"Mars", L"Jupiter", L"Saturn", L"Uranus", L"Neptune",
          L"Pluto", L"Earth Satellites", L"Mars Satellites", L"Jupiter Satellites", L"Saturn Satellites",
          L"Uranus Satellites", L"Neptune Satellites", L"Pluto Satellites"}},
        {L"Elements",
         {L"A to B", L"C to D", L"E to G", L"H to L", L"M to N", L"O to P", L"R to S", L"T to U", L"V to Z"}},
    };
    for (const auto& testCase : cases) {
        SelectByName(0, testCase.group);
        EXPECT_EQ(Names(1), testCase.names) << NarrowUtf8(testCase.group);
    }
    SelectByName(0, L"Physics");
    const std::vector<int> physicsSizes = {4, 9, 13, 7, 8};
    for (int group = 0; group < 5; ++group) {
        ASSERT_EQ(db_->Select(1, group), StatusOk);
        EXPECT_EQ(db_->GetCount(2), physicsSizes[static_cast<std::size_t>(group)]) << group;
    }
}

TEST_F(ConstantsLibraryTest, EarthBasicAttributes)
{
    SelectByName(0, L"Solar System");
    SelectByName(1, L"Earth");
    EXPECT_EQ(Names(2), (std::vector<std::wstring>{L"Basic Attributes", L"Orbital", L"Atmospheric"}));
    SelectByName(2, L"Basic Attributes");
    ASSERT_EQ(db_->GetCount(3), 18);
    EXPECT_EQ(db_->GetName(3, 0), L"Mass (kg)");
    EXPECT_EQ(db_->GetValue(3, 0), L"5.9736e+024");
}

TEST_F(ConstantsLibraryTest, ValuesAreWholeNumbersInTheCalculatorsForm)
{
    for (const Constant& constant : Walk().constants) {
        const std::string where = NarrowUtf8(constant.name) + " = " + NarrowUtf8(constant.value);
        std::size_t consumed = 0;
        ParseDouble(constant.value, &consumed);
        EXPECT_EQ(consumed, constant.value.size()) << where;
        EXPECT_TRUE(IsCalculatorNumber(constant.value)) << where;
        EXPECT_FALSE(constant.name.empty());
        EXPECT_LE(constant.name.size(), 255u) << where;
    }
}

TEST_F(ConstantsLibraryTest, EveryElementOnceInItsLetterGroup)
{
    std::set<int> numbers;
    for (const Constant& constant : Walk().constants) {
        if (constant.path.front() != L"Elements" || constant.name != L"Atomic number") {
            continue;
        }
        ASSERT_EQ(constant.path.size(), 3u);
        const std::wstring& letters = constant.path[1];  // "A to B"
        const wchar_t initial = constant.path[2].front();
        EXPECT_GE(initial, letters.front()) << NarrowUtf8(constant.path[2]);
        EXPECT_LE(initial, letters.back()) << NarrowUtf8(constant.path[2]);
        EXPECT_TRUE(numbers.insert(ParseLong(constant.value)).second) << NarrowUtf8(constant.path[2]);
    }
    ASSERT_EQ(numbers.size(), 118u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 118);
}

TEST_F(ConstantsLibraryTest, BuiltInFavouritesNameLibraryConstants)
{
    const Tree tree = Walk();
    ASSERT_EQ(db_->GetFavouriteCount(), 12);
    for (int index = 0; index < db_->GetFavouriteCount(); ++index) {
        const std::wstring path = db_->GetFavouritePath(index);
        const std::wstring name = db_->GetFavouriteName(index);
        const auto found = std::find_if(tree.constants.begin(), tree.constants.end(), [&](const Constant& constant) {
            std::wstring joined;
            for (const auto& group : constant.path) {
                joined += (joined.empty() ? L"" : L"->") + group;
            }
            return joined == path && constant.name == name;
        });
        ASSERT_NE(found, tree.constants.end()) << NarrowUtf8(path) << "->" << NarrowUtf8(name);
        EXPECT_EQ(found->value, db_->GetFavouriteValue(index)) << NarrowUtf8(name);
    }
}

TEST(ConstantsLibraryTextTest, WindowsLinesAndCodePage)
{
    const auto text = Platform().resources->Text("IDR_TXT_Constants");
    ASSERT_TRUE(text);
    std::size_t lines = 0;
    for (std::size_t at = text->find('\n'); at != std::string_view::npos; at = text->find('\n', at + 1)) {
        ASSERT_GT(at, 0u);
        ASSERT_EQ((*text)[at - 1], '\r') << "line " << lines;
        ++lines;
    }
    EXPECT_EQ(text->back(), '\n');
    EXPECT_NE(text->find("(m/s\xB2)\r\n"), std::string_view::npos);
    EXPECT_EQ(WidenWindows1252(*text).find(L'\uFFFD'), std::wstring::npos);
}

}  // namespace
}  // namespace tallyx
