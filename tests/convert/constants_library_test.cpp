// The built-in library: its shape, its values and the favourites that name it.
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <regex>
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

    MemoryRegistry registry_;
    std::optional<ScopedPlatform> scoped_;
    std::optional<ConstantsDb> db_;
};

TEST_F(ConstantsLibraryTest, TreeHasItsShapeAndEarthItsBasicAttributes)
{
    const Tree tree = Walk();
    EXPECT_EQ(tree.groupsByLevel[0], 4);
    EXPECT_EQ(tree.groupsByLevel[1], 31);
    EXPECT_EQ(tree.groupsByLevel[2], 189);
    EXPECT_EQ(tree.groupsByLevel[3], 0);
    EXPECT_EQ(tree.constants.size(), 1592u);

    const std::vector<std::wstring> earth = {L"Solar System", L"Earth", L"Basic Attributes"};
    const auto onEarth = [&](const Constant& constant) { return constant.path == earth; };
    const auto first = std::find_if(tree.constants.begin(), tree.constants.end(), onEarth);
    ASSERT_NE(first, tree.constants.end());
    EXPECT_EQ(first->name, L"Mass (kg)");
    EXPECT_EQ(first->value, L"5.9736e+024");
    EXPECT_EQ(std::count_if(first, tree.constants.end(), onEarth), 18);
}

// The calculator's number text: "-12.5", or one digit before the point and an
// exponent of a sign and three digits, "6.6743e-011".
TEST_F(ConstantsLibraryTest, ValuesAreNumbersInTheCalculatorsForm)
{
    const std::wregex number(L"-?([0-9]+(\\.[0-9]+)?|[0-9](\\.[0-9]+)?e[+-][0-9]{3})");
    for (const Constant& constant : Walk().constants) {
        EXPECT_TRUE(std::regex_match(constant.value, number))
            << NarrowUtf8(constant.name) << " = " << NarrowUtf8(constant.value);
        EXPECT_FALSE(constant.name.empty());
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
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), std::count(text->begin(), text->end(), '\r'));
    EXPECT_TRUE(text->ends_with("\r\n"));
    EXPECT_NE(text->find("(m/s\xB2)\r\n"), std::string_view::npos);
    EXPECT_EQ(WidenWindows1252(*text).find(L'\uFFFD'), std::wstring::npos);
}

}  // namespace
}  // namespace tallyx
