// A regression sheet's data through the built program: saved with the file
// dialog (asked before overwriting), opened in a fresh run, and plotted.
#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ui/program_run.h"

namespace tallyx {
namespace {

constexpr int kExitOk = 0;
constexpr const char* kOverwriteQuestion = "Warning: File already exists.  Would you like to overwrite?";
const QStringList kLinearRegression = {"button", "Menu", "choose", "Statistics", "key", "LinReg"};

// Each pair's x and y typed into the sheet's cells in turn.
QStringList TypedPairs(const std::vector<std::pair<int, int>>& pairs)
{
    QStringList actions;
    for (const auto& [x, y] : pairs) {
        if (!actions.isEmpty()) actions << "key" << "WSDown";
        actions << "type" << QString::number(x) << "key" << "WSDown" << "type" << QString::number(y);
    }
    return actions;
}

const QStringList kSaveAsPoints = {"key", "WSSave", "type", "points", "button", "Save"};

// Facts that must be listed in this order.
void ExpectListedInOrder(const ProgramRun& run, const std::vector<std::string>& facts)
{
    std::size_t after = 0;
    for (const std::string& fact : facts) {
        const std::size_t at = run.out.find(fact, after);
        EXPECT_NE(at, std::string::npos) << "no " << fact << " after " << after << " in\n" << run.out;
        if (at != std::string::npos) after = at;
    }
}

TEST(RegressionFiles, SavedDataIsAskedBeforeOverwritingAndOpensAndPlotsInALaterRun)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const QString documents = home.filePath("Documents");
    const std::vector<std::pair<QString, QString>> folders = {{"HOME", home.path()}, {"XDG_DOCUMENTS_DIR", documents}};
    const auto run = [&](const QStringList& actions) {
        return RunProgram(QStringList{"--do"} + kLinearRegression + actions + QStringList{"--dump-state"}, folders);
    };

    const ProgramRun first = run(TypedPairs({{1, 2}, {2, 4}}) + kSaveAsPoints);
    ASSERT_EQ(first.status, kExitOk) << first.errors;
    EXPECT_EQ(first.errors.find(kOverwriteQuestion), std::string::npos) << first.errors;
    EXPECT_FALSE(first.Lists("window file")) << first.out;
    ASSERT_TRUE(QDir(documents).exists("points.csv"));

    // The headless notifier answers Yes, so the second sheet's data replaces the first's.
    const ProgramRun second = run(TypedPairs({{1, 3}, {2, 5}, {3, 7}}) + kSaveAsPoints);
    ASSERT_EQ(second.status, kExitOk) << second.errors;
    EXPECT_NE(second.errors.find(kOverwriteQuestion), std::string::npos) << second.errors;
    EXPECT_FALSE(second.Lists("window file")) << second.out;

    const ProgramRun opened = run({"key", "WSOpen", "choose", "points.csv", "key", "Graph"});
    ASSERT_EQ(opened.status, kExitOk) << opened.errors;
    EXPECT_FALSE(opened.Lists("window file")) << opened.out;
    ExpectListedInOrder(opened, {"window worksheet \"Linear Regression\"\n", "cell 0 \"X(1):\" \"1\"",
                                 "cell 1 \"Y(1):\" \"3\"\n", "cell 2 \"X(2):\" \"2\"\n", "cell 3 \"Y(2):\" \"5\"\n",
                                 "cell 4 \"X(3):\" \"3\"\n", "cell 5 \"Y(3):\" \"7\"\n", "window graph",
                                 "function 0 \"2*X+1\"\n", "points 3\n"});
    EXPECT_FALSE(opened.Lists("cell 6 ")) << opened.out;
}

}  // namespace
}  // namespace tallyx
