#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/csv_save.h"
#include "file_tree.h"

namespace tallyx {
namespace {

constexpr char kCsv[] = "Period,Payment\n1,10.00\nTotal,10.00\n";

struct WriteCase {
    const char* name;
    const char* target;       // relative to the tree
    bool existingFile;        // the target holds an older file first
    bool existingFolder;      // the target is a folder
    bool written;
};

TEST(CsvSave, AFileIsWrittenWholeOrTheOldOneStays)
{
    const std::vector<WriteCase> cases = {
        {"a new file", "plan.csv", false, false, true},
        {"over an older file", "plan.csv", true, false, true},
        {"into a folder that is not there", "missing/plan.csv", false, false, false},
        {"onto a folder's name", "plan.csv", false, true, false},
    };
    for (const WriteCase& test : cases) {
        const FileTree tree;
        if (test.existingFile) tree.AddFile(test.target, "older");
        if (test.existingFolder) tree.AddFolder(test.target);
        const std::filesystem::path path = tree.Root() / test.target;

        const Status status = WriteCsvFile(path, kCsv);

        EXPECT_EQ(status == StatusOk, test.written) << test.name;
        if (test.written) {
            EXPECT_EQ(tree.Read(test.target), kCsv) << test.name;
        } else if (test.existingFolder) {
            EXPECT_TRUE(std::filesystem::is_directory(path)) << test.name;
        } else {
            EXPECT_FALSE(std::filesystem::exists(path)) << test.name;
        }
        // No half-written file is left beside the target.
        std::filesystem::path part = path;
        part += ".part";
        EXPECT_FALSE(std::filesystem::exists(part)) << test.name;
    }
}

}  // namespace
}  // namespace tallyx
