// The built-in library: its text, its values and the favourites that name it.
#include <algorithm>
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

    // Every constant, walked through the public selection.
    std::vector<Constant> Walk()
    {
        std::vector<Constant> constants;
        std::vector<std::wstring> path;
        std::function<void(int)> visit = [&](int level) {
            for (int index = 0; index < db_->GetCount(level); ++index) {
                const std::wstring name = db_->GetName(level, index);
                if (db_->IsConstant(level, index)) {
                    constants.push_back({path, name, db_->GetValue(level, index).value_or(L"")});
                    continue;
                }
                ASSERT_EQ(db_->Select(level, index), StatusOk);
                path.push_back(name);
                visit(level + 1);
                path.pop_back();
            }
        };
        visit(0);
        return constants;
    }

    MemoryRegistry registry_;
    std::optional<ScopedPlatform> scoped_;
    std::optional<ConstantsDb> db_;
};

// The calculator's number text: "-12.5", or one digit before the point and an
// exponent of a sign and three digits, "6.6743e-011".
TEST_F(ConstantsLibraryTest, ValuesAreNumbersInTheCalculatorsForm)
{
    const std::wregex number(L"-?([0-9]+(\\.[0-9]+)?|[0-9](\\.[0-9]+)?e[+-][0-9]{3})");
    for (const Constant& constant : Walk()) {
        EXPECT_TRUE(std::regex_match(constant.value, number))
            << NarrowUtf8(constant.name) << " = " << NarrowUtf8(constant.value);
        EXPECT_FALSE(constant.name.empty());
    }
}

TEST_F(ConstantsLibraryTest, EveryElementOnceInItsLetterGroup)
{
    std::set<int> numbers;
    for (const Constant& constant : Walk()) {
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
    const std::vector<Constant> constants = Walk();
    ASSERT_EQ(db_->GetFavouriteCount(), 12);
    for (int index = 0; index < db_->GetFavouriteCount(); ++index) {
        const std::wstring path = db_->GetFavouritePath(index);
        const std::wstring name = db_->GetFavouriteName(index);
        const auto found = std::find_if(constants.begin(), constants.end(), [&](const Constant& constant) {
            std::wstring joined;
            for (const auto& group : constant.path) {
                joined += (joined.empty() ? L"" : L"->") + group;
            }
            return joined == path && constant.name == name;
        });
        ASSERT_NE(found, constants.end()) << NarrowUtf8(path) << "->" << NarrowUtf8(name);
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
