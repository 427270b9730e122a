#include "app/file_list.h"

#include <gtest/gtest.h>

#include "tests/ui/file_tree.h"

namespace tallyx {
namespace {

namespace fs = std::filesystem;
using Kind = ComposedPath::Kind;

TEST(FileNames, PatternsMatchWithoutRegardToCase)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {L"results.csv", L"*.csv", true},   {L"RESULTS.CSV", L"*.csv", true},  {L"results.csv.bak", L"*.csv", false},
        {L"csv", L"*.csv", false},          {L".csv", L"*.csv", true},         {L"plot.png", L"*.bmp", false},
        {L"notes", L"*.*", true},           {L"a.b.c", L"*.c", true},          {L"data1.txt", L"data?.txt", true},
        {L"data12.txt", L"data?.txt", false}, {L"anything", L"*", true},       {L"x", L"", false},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(MatchesPattern(item.name, item.pattern), item.matches) << item.name << " " << item.pattern;
    }
}

TEST(FileNames, ExtensionsComeFromThePatternAndLeaveTheNameBoxOnlyWhenExact)
{
    EXPECT_EQ(ExtensionForPattern(L"*.csv"), L".csv");
    EXPECT_EQ(ExtensionForPattern(L"*.*"), L".txt");
    EXPECT_EQ(ExtensionForPattern(L""), L".txt");

    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"results.csv", L"*.csv", L"results"},
        {L"Results.CSV", L"*.csv", L"Results.CSV"},  // "Results.csv" would be another file
        {L"notes.txt", L"*.*", L"notes.txt"},
        {L".csv", L"*.csv", L".csv"},
        {L"plot.csv.png", L"*.png", L"plot.csv"},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(NameWithoutExtension(item.name, item.pattern), item.shown) << item.name;
    }
}

TEST(FileNames, NamesAFileCannotHoldAreRefused)
{
    for (const std::wstring_view name : {L"results", L"my data", L".profile", L"a..b", L"x\\y", L"\u00e9t\u00e9"}) {
        EXPECT_TRUE(IsValidFileName(name)) << std::wstring(name);
    }
    for (const std::wstring_view name : {std::wstring_view(L""), std::wstring_view(L"a/b"), std::wstring_view(L"/"),
                                         std::wstring_view(L"."), std::wstring_view(L".."), std::wstring_view(L"..."),
                                         std::wstring_view(L"a\0b", 3)}) {
        EXPECT_FALSE(IsValidFileName(name)) << std::wstring(name);
    }
}

TEST(FileNames, ParentFirstThenFoldersThenFilesEachWithoutRegardToCase)
{
    std::vector<FileEntry> entries = {{L"beta.csv", false}, {L"Zeta", true}, {L"Alpha.csv", false},
                                      {L"..", true},        {L"alpha", true}, {L"gamma.csv", false},
                                      {L"Beta.csv", false}};
    SortEntries(entries);
    const std::vector<FileEntry> expected = {{L"..", true},        {L"alpha", true},     {L"Zeta", true},
                                             {L"Alpha.csv", false}, {L"Beta.csv", false}, {L"beta.csv", false},
                                             {L"gamma.csv", false}};
    EXPECT_EQ(entries, expected);
}

class FileListTest : public ::testing::Test {
protected:
    FileListTest()
    {
        tree.AddFolder("Zeta");
        tree.AddFolder("alpha");
        tree.AddFolder(".cache");
        tree.AddFile("notes.txt");
        tree.AddFile("b.csv");
        tree.AddFile("A.CSV");
        tree.AddFile(".hidden.csv");
        tree.AddFile("Data/results.csv");
        tree.AddFolder("Data/Old");
    }

    static std::vector<std::wstring> Names(const FileList& list)
    {
        std::vector<std::wstring> names;
        for (const FileEntry& entry : list.Entries()) names.push_back(entry.name);
        return names;
    }

    FileTree tree;
};

TEST_F(FileListTest, FoldersAreEnteredAndLeftButNeverAboveTheRoot)
{
    FileList list(tree.Root());
    list.SetPattern(L"*.csv");
    list.Activate(1);  // Data
    EXPECT_EQ(list.Folder(), tree.Root() / "Data");
    EXPECT_EQ(list.Caption(), L"Data");
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"..", L"Old", L"results.csv"}));
    EXPECT_EQ(list.Activate(2), tree.Root() / "Data" / "results.csv");
    EXPECT_EQ(list.Folder(), tree.Root() / "Data");

    list.Activate(0);
    EXPECT_TRUE(list.AtRoot());
    EXPECT_EQ(list.Entries().front().name, L"alpha");

    struct Case {
        fs::path folder;
        bool found;
        fs::path reached;
    };
    const Case cases[] = {
        {tree.Root() / "Data" / "Old", true, tree.Root() / "Data" / "Old"},
        {"Data", true, tree.Root() / "Data"},
        {tree.Root() / "Data" / "", true, tree.Root() / "Data"},
        {tree.Root() / "Data" / ".." / "..", false, tree.Root()},
        {tree.Root().parent_path(), false, tree.Root()},
        {"/", false, tree.Root()},
        {tree.Root() / "missing", false, tree.Root()},
        {tree.Root() / "notes.txt", false, tree.Root()},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(list.GoTo(item.folder), item.found) << item.folder;
        EXPECT_EQ(list.Folder(), item.reached) << item.folder;
    }
}

TEST_F(FileListTest, TypedNamesComposeAPathWithThePatternsExtension)
{
    FileList list(tree.Root());
    list.GoTo("Data");
    struct Case {
        const wchar_t* pattern;
        std::wstring name;
        Kind kind;
        fs::path path;
    };
    const fs::path data = tree.Root() / "Data";
    const Case cases[] = {
        {L"*.csv", L"results", Kind::ExistingFile, data / "results.csv"},
        {L"*.csv", L"results.csv", Kind::ExistingFile, data / "results.csv"},
        {L"*.csv", L"new", Kind::NewFile, data / "new.csv"},
        {L"*.csv", L"new.CSV", Kind::NewFile, data / "new.CSV"},
        {L"*.*", L"notes", Kind::NewFile, data / "notes.txt"},
        {L"*.bmp", L"plot.png", Kind::NewFile, data / "plot.png.bmp"},
        {L"*.csv", L"Old", Kind::Folder, data / "Old"},
        {L"*.csv", L"", Kind::Empty, {}},
        {L"*.csv", L"../escape", Kind::Invalid, {}},
        {L"*.csv", L"..", Kind::Invalid, {}},
    };
    for (const Case& item : cases) {
        list.SetPattern(item.pattern);
        const ComposedPath composed = list.Compose(item.name);
        EXPECT_EQ(composed.kind, item.kind) << item.name;
        EXPECT_EQ(composed.path, item.path) << item.name;
    }
}

}  // namespace
}  // namespace tallyx
