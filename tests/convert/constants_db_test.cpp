#include "convert/constants_db.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory_registry.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kFavouritesKey = L"SOFTWARE\\Vexa\\Tallyx\\Constants";

// A small library in the shipped form, with the oddities real texts carry: a
// group name with a trailing blank, blank lines, text before a sub-group.
constexpr std::string_view kLibrary =
    "*GROUP*\r\nMathematics\r\npi\r\n3.14159\r\n\r\ne\r\n2.71828\r\n"
    "*GROUP*\r\nSolar System\r\n"
    "**GROUP**\r\nEarth\r\n"
    "***GROUP***\r\nBasic Attributes\r\nMass (kg)\r\n5.9736e+024\r\nMoons\r\n1\r\n"
    "***GROUP***\r\nOrbital \r\nPeriod (days)\r\n365.256\r\n"
    "**GROUP**\r\nMars\r\nnot shown\r\n"
    "***GROUP***\r\nBasic Attributes\r\nMass (kg)\r\n6.4185e+023\r\n"
    "*GROUP*\r\nElements\r\n\x48\xE9lium\r\n2\r\n";

std::vector<std::wstring> Names(const ConstantsDb& db, int level)
{
    std::vector<std::wstring> names;
    for (int index = 0; index < db.GetCount(level); ++index) {
        names.push_back(db.GetName(level, index));
    }
    return names;
}

PlatformServices WithRegistry(Registry& registry)
{
    PlatformServices services = Platform();
    services.registry = &registry;
    return services;
}

class ConstantsDbTest : public ::testing::Test {
protected:
    std::wstring Stored(const std::wstring& name)
    {
        std::wstring value;
        registry_.ReadString(kFavouritesKey, name, value);
        return value;
    }

    // Walks to the constant by names and makes it current.
    void Choose(ConstantsDb& db, const std::vector<std::wstring>& path)
    {
        for (int level = 0; level < static_cast<int>(path.size()); ++level) {
            const auto names = Names(db, level);
            const auto found = std::find(names.begin(), names.end(), path[static_cast<std::size_t>(level)]);
            ASSERT_NE(found, names.end()) << path[static_cast<std::size_t>(level)];
            const int index = static_cast<int>(found - names.begin());
            if (level + 1 == static_cast<int>(path.size())) {
                ASSERT_TRUE(db.GetValue(level, index));
            } else {
                ASSERT_EQ(db.Select(level, index), StatusOk);
            }
        }
    }

    MemoryRegistry registry_;
    ScopedPlatform platform_{WithRegistry(registry_)};
};

TEST_F(ConstantsDbTest, LevelsAreReadInsideTheSelectedGroup)
{
    ConstantsDb db;
    db.MapText(kLibrary);
    EXPECT_EQ(Names(db, 0), (std::vector<std::wstring>{L"Mathematics", L"Solar System", L"Elements"}));
    EXPECT_EQ(db.GetCount(1), 0);

    ASSERT_EQ(db.Select(0, 0), StatusOk);
    EXPECT_EQ(db.GetValue(1, 1), L"2.71828");

    ASSERT_EQ(db.Select(0, 1), StatusOk);
    EXPECT_EQ(Names(db, 1), (std::vector<std::wstring>{L"Earth", L"Mars"}));
    EXPECT_FALSE(db.IsConstant(1, 0));
    ASSERT_EQ(db.Select(1, 0), StatusOk);
    EXPECT_EQ(Names(db, 2), (std::vector<std::wstring>{L"Basic Attributes", L"Orbital"}));
    ASSERT_EQ(db.Select(2, 0), StatusOk);
    EXPECT_EQ(Names(db, 3), (std::vector<std::wstring>{L"Mass (kg)", L"Moons"}));
    EXPECT_EQ(db.GetValue(3, 0), L"5.9736e+024");
    EXPECT_EQ(db.GetSelectedName(1), L"Earth");

    // Text between a group's name and its first sub-group stays hidden.
    ASSERT_EQ(db.Select(1, 1), StatusOk);
    EXPECT_EQ(Names(db, 2), std::vector<std::wstring>{L"Basic Attributes"});
    EXPECT_EQ(db.GetCount(3), 0);
    EXPECT_EQ(db.GetSelectedName(2), L"");

    ASSERT_EQ(db.Select(0, 2), StatusOk);
    EXPECT_EQ(Names(db, 1), std::vector<std::wstring>{L"H\u00E9lium"});
}

// A name without its value line is dropped; line ends and blanks do not matter.
TEST_F(ConstantsDbTest, PairsEndAtAMarkerOrAtTheEnd)
{
    struct Case {
        std::string_view text;
        std::vector<std::wstring> names;
    };
    const std::vector<Case> cases = {
        {"*GROUP*\r\nG\r\na\r\n1\r\nb\r\n", {L"a"}},
        {"*GROUP*\r\nG\r\na\r\n1\r\nb\r\n*note*\r\nc\r\n3\r\n", {L"a"}},
        {"*GROUP*\r\nG\r\n*x*\r\na\r\n1\r\n", {}},
        {"*GROUP*\r\nG\r\n", {}},
        {"\n  *GROUP*  \nOnly\n\n\t name \n  42 \n", {L"name"}},
    };
    for (const auto& testCase : cases) {
        ConstantsDb db;
        db.MapText(testCase.text);
        ASSERT_EQ(db.Select(0, 0), StatusOk) << testCase.text;
        EXPECT_EQ(Names(db, 1), testCase.names) << testCase.text;
    }
}

TEST_F(ConstantsDbTest, ConstantsWithoutGroupsSitAtLevelZero)
{
    ConstantsDb db;
    db.MapText("pi\r\n3.14\r\n");
    ASSERT_EQ(db.GetValue(0, 0), L"3.14");
    ASSERT_EQ(db.AddFavourite(), StatusOk);
    EXPECT_EQ(Stored(L"CName0"), L"->pi");

    ConstantsDb reloaded;
    EXPECT_EQ(reloaded.GetFavouriteName(0), L"pi");
    EXPECT_EQ(reloaded.GetFavouritePath(0), L"");
}

TEST_F(ConstantsDbTest, RefusedSelections)
{
    ConstantsDb db;
    db.MapText(kLibrary);
    for (const auto& [level, index] : {std::pair{0, -1}, {0, 3}, {1, 0}, {4, 0}, {-1, 0}}) {
        EXPECT_NE(db.Select(level, index), StatusOk) << level << "," << index;
    }
    EXPECT_EQ(db.GetName(0, 7), L"");
    EXPECT_FALSE(db.GetValue(0, 0));
}

TEST_F(ConstantsDbTest, MissingLibraryLeavesEveryLevelEmpty)
{
    MemoryResources none;
    PlatformServices services = Platform();
    services.resources = &none;
    ScopedPlatform withoutLibrary(services);

    ConstantsDb db;
    db.MapText(kLibrary);
    EXPECT_NE(db.MapResourceText(), StatusOk);
    EXPECT_EQ(db.GetCount(0), 0);
    EXPECT_NE(db.Select(0, 0), StatusOk);
}

TEST_F(ConstantsDbTest, EmptyRegistryOrABrokenFirstFavouriteGetsTheBuiltInsAtOnce)
{
    for (const bool broken : {false, true}) {
        MemoryRegistry registry;
        if (broken) {
            registry.WriteString(kFavouritesKey, L"CName0", L"no separator");
            registry.WriteString(kFavouritesKey, L"CConst0", L"1");
        }
        ScopedPlatform scoped(WithRegistry(registry));
        ConstantsDb db;
        ASSERT_EQ(db.GetFavouriteCount(), 12);
        EXPECT_EQ(db.GetFavouritePath(0), L"Physics->Electromagnetic");
        EXPECT_EQ(db.GetFavouriteName(12), L"");
        std::wstring stored;
        registry.ReadString(kFavouritesKey, L"CName0", stored);
        EXPECT_EQ(stored, L"Physics->Electromagnetic->Elementary charge (C)");
        registry.ReadString(kFavouritesKey, L"CConst11", stored);
        EXPECT_EQ(stored, L"6.02214076e+023");
    }
}

TEST_F(ConstantsDbTest, StoredFavouritesLoadUpToTheFirstBrokenOne)
{
    struct Case {
        std::vector<std::pair<std::wstring, std::wstring>> stored;  // CName, CConst
        std::vector<std::wstring> names;
        std::vector<std::wstring> paths;
    };
    const std::vector<Case> cases = {
        {{{L"Mathematics->Euler-Mascheroni", L"0.5772"}}, {L"Euler-Mascheroni"}, {L"Mathematics"}},
        {{{L"A->B->c", L"1"}, {L"A->d", L"2"}}, {L"c", L"d"}, {L"A->B", L"A"}},
        {{{L"A->c", L"1"}, {L"no separator", L"2"}, {L"A->e", L"3"}}, {L"c"}, {L"A"}},
        {{{L"A->c", L"1"}, {L"A->d", L""}}, {L"c", L"d"}, {L"A", L"A"}},
    };
    for (const auto& testCase : cases) {
        MemoryRegistry registry;
        for (std::size_t index = 0; index < testCase.stored.size(); ++index) {
            const auto number = std::to_wstring(index);
            registry.WriteString(kFavouritesKey, L"CName" + number, testCase.stored[index].first);
            registry.WriteString(kFavouritesKey, L"CConst" + number, testCase.stored[index].second);
        }
        ScopedPlatform scoped(WithRegistry(registry));
        ConstantsDb db;
        ASSERT_EQ(db.GetFavouriteCount(), static_cast<int>(testCase.names.size()));
        for (int index = 0; index < db.GetFavouriteCount(); ++index) {
            EXPECT_EQ(db.GetFavouriteName(index), testCase.names[static_cast<std::size_t>(index)]);
            EXPECT_EQ(db.GetFavouritePath(index), testCase.paths[static_cast<std::size_t>(index)]);
        }
    }
}

TEST_F(ConstantsDbTest, AddingTwiceKeepsOneInPlaceAndAllSurviveARestart)
{
    {
        ConstantsDb db;
        db.MapText(kLibrary);
        Choose(db, {L"Mathematics", L"pi"});
        ASSERT_EQ(db.AddFavourite(), StatusOk);
        Choose(db, {L"Mathematics", L"e"});
        ASSERT_EQ(db.AddFavourite(), StatusOk);
        Choose(db, {L"Mathematics", L"pi"});
        ASSERT_EQ(db.AddFavourite(), StatusOk);
        EXPECT_EQ(db.GetFavouriteName(0), L"e");
        EXPECT_EQ(db.GetFavouriteName(1), L"pi");

        // The same name on another path is another favourite.
        Choose(db, {L"Solar System", L"Mars", L"Basic Attributes", L"Mass (kg)"});
        ASSERT_EQ(db.AddFavourite(), StatusOk);
        Choose(db, {L"Solar System", L"Earth", L"Basic Attributes", L"Mass (kg)"});
        ASSERT_EQ(db.AddFavourite(), StatusOk);
        EXPECT_EQ(db.GetFavouritePath(1), L"Solar System->Mars->Basic Attributes");
    }
    EXPECT_EQ(Stored(L"CName0"), L"Solar System->Earth->Basic Attributes->Mass (kg)");
    EXPECT_EQ(Stored(L"CName12"), L"");

    ConstantsDb db;
    ASSERT_EQ(db.GetFavouriteCount(), 12);
    EXPECT_EQ(db.GetFavouritePath(0), L"Solar System->Earth->Basic Attributes");
    EXPECT_EQ(db.GetFavouriteValue(0), L"5.9736e+024");
    EXPECT_EQ(db.GetFavouriteName(3), L"pi");
}

TEST_F(ConstantsDbTest, AddFavouriteNeedsACurrentConstant)
{
    ConstantsDb db;
    EXPECT_NE(db.AddFavourite(), StatusOk);
    db.MapText(kLibrary);
    ASSERT_EQ(db.Select(0, 0), StatusOk);
    EXPECT_NE(db.AddFavourite(), StatusOk);
    // Selecting anew clears the current constant.
    ASSERT_TRUE(db.GetValue(1, 0));
    ASSERT_EQ(db.Select(0, 0), StatusOk);
    EXPECT_NE(db.AddFavourite(), StatusOk);
}

// Accepts a given number of string writes, then fails every one.
class FailingRegistry : public MemoryRegistry {
public:
    explicit FailingRegistry(int writes) : writes_(writes) {}
    Status WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value) override
    {
        if (writes_-- <= 0) {
            return StatusFail;
        }
        return MemoryRegistry::WriteString(key, name, value);
    }

private:
    int writes_;
};

TEST_F(ConstantsDbTest, FailedWriteIsReportedAndEndsTheSaving)
{
    FailingRegistry registry(24 + 3);
    ScopedPlatform scoped(WithRegistry(registry));
    ConstantsDb db;
    db.MapText(kLibrary);
    Choose(db, {L"Mathematics", L"pi"});
    EXPECT_NE(db.AddFavourite(), StatusOk);
    EXPECT_EQ(db.GetFavouriteName(0), L"pi");

    std::wstring value;
    EXPECT_EQ(registry.ReadString(kFavouritesKey, L"CName1", value), StatusOk);
    EXPECT_NE(registry.ReadString(kFavouritesKey, L"CConst1", value), StatusOk);
}

}  // namespace
}  // namespace tallyx
