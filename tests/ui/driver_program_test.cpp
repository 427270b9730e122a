// The built desktop program driven by scripted actions, as a test or a
// person at a terminal drives it: actions in, the windows' state out.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"
#include "tests/ui/program_run.h"

namespace tallyx {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;

QStringList Script(const QString& actions)
{
    return QStringList{"--do"} + actions.split(' ') + QStringList{"--dump-state"};
}

// The centre of the first listed rectangle of a line that starts so.
std::string CentreOf(const std::string& listing, const std::string& start)
{
    const std::regex line(start + R"( (\d+) (\d+) (\d+) (\d+))");
    std::smatch found;
    if (!std::regex_search(listing, found, line)) return "";
    const int x = std::stoi(found[1]) + std::stoi(found[3]) / 2;
    const int y = std::stoi(found[2]) + std::stoi(found[4]) / 2;
    return std::to_string(x) + ',' + std::to_string(y);
}

struct ScriptCase {
    const char* name;
    const char* actions;
    std::vector<std::string> listed;    // in this order
    std::vector<std::string> unlisted;
};

TEST(DriverProgram, ScriptsReachTheWindowOnTopAndTheListingShowsIt)
{
    const std::vector<ScriptCase> cases = {
        {"keys", "key 2 key Plus key 3 key Equals",
         {"window calculator 0 \"Tallyx - Standard\"\n", "display \"5.\" ", "button \"File\" ", "button \"Menu\" "},
         {"window menu"}},
        {"hold opens Copy and Paste", "hold 240,40",
         {"window calculator 0", "button \"Cancel\" ", "window menu \"\"\n", "menu \"Copy\" ", "menu \"Paste\" "},
         {"button \"File\""}},
        {"copy, then paste over another number",
         "key 7 hold 240,40 choose Copy key 1 wait 500 hold 240,40 choose Paste",
         {"display \"7.\" "},
         {"window menu"}},
        {"type menu checks the current type", "button Menu",
         {"window menu", "menu \"Standard\" ", " checked\n", "menu \"Scientific\" "},
         {}},
        {"type menu switches the type", "button Menu choose Scientific",
         {"window calculator 1 \"Tallyx - Scientific\"\n"},
         {"window menu"}},
        {"options dialog over the calculator", "button File choose Options...",
         {"window calculator 0", "window options \"Tallyx\"\n", "row \"Calculator mode:\" ", " \"Algebraic\"\n",
          "button \"OK\" ", "button \"Cancel\" "},
         {"window menu"}},
        {"the dialog's choice menu over the dialog",
         "button File choose Options... wait 500 vk Down vk Down vk Down vk Return",
         {"window options", "window menu \"Calculator mode:\"\n", "menu \"Algebraic\" ", " checked\n",
          "menu \"R.P.N.\" "},
         {}},
        {"a choice taken with OK",
         "button File choose Options... wait 500 vk Down vk Down vk Down vk Return choose R.P.N. wait 1000 "
         "button OK",
         {"window calculator", "stack Y "},
         {"window options", "window menu"}},
        {"Escape closes the dialog and keys reach the calculator again",
         "button File choose Options... vk Escape key 4",
         {"display \"4.\" "},
         {"window options"}},
        {"About over the calculator", "button File choose About...",
         {"window calculator 0", "window about \"About Tallyx\"\n", "button \"Back\" "},
         {}},
        {"Back closes About", "button File choose About... button Back type 9",
         {"display \"9.\" "},
         {"window about"}},
        {"typed characters", "type 12*3=",
         {"display \"36.\" "},
         {}},
        {"a worksheet over the Financial keypad",
         "button Menu choose Financial key TVM type 360 key WSDown type 5 key WSDown type 100000 key WSDown key WSCalc",
         {"window calculator 9", "window worksheet \"Time Value Money\"\n", "cell 0 \"Num. Terms\" \"360\"\n",
          "cell 3 \"Payment\" \"-534.59\" highlight\n", "visible 0 7\n", "button \"Back\" "},
         {"button \"Schedule\""}},
        {"a depreciation schedule, a year a line", "button Menu choose Financial key Depreciation button Schedule",
         {"window worksheet \"Depreciation", "button \"Schedule\" ", "window results \"Depreciation",
          "row \"Year\" \"Depreciation  Accumulated  Book value\"\n", "row \"Total\" ", "button \"Save CSV\" "},
         {}},
        {"values that make no schedule leave the sheet as it was", "button Menu choose Financial key Loan button Schedule",
         {"window worksheet \"Loan", "button \"Schedule\" "},
         {"window results"}},
        {"Back to the calculator, whose typing starts afresh", "button Menu choose Financial key TVM type 360 button Back type 7",
         {"display \"7.\" "},
         {"window worksheet"}},
        {"reopened, the sheet has its values", "button Menu choose Financial key TVM type 360 button Back key TVM",
         {"window worksheet", "cell 0 \"Num. Terms\" \"360\" highlight\n"},
         {}},
        {"a regression's results over its sheet",
         "button Menu choose Statistics key LinReg type 1 key WSDown type 2 key WSDown type 2 key WSDown type 4 key WSCalc",
         {"window worksheet \"Linear Regression\"\n", "window results \"Linear Regression\"\n", "row \"Slope (b)\" \"2\"\n"},
         {}},
        {"a regression's fitted curve over its data in the plotter",
         "button Menu choose Statistics key LinReg type 1 key WSDown type 2 key WSDown type 2 key WSDown type 4 key Graph",
         {"window worksheet \"Linear Regression\"\n", "window graph", "points 2\n"},
         {}},
    };
    for (const ScriptCase& script : cases) {
        const ProgramRun run = RunProgram(Script(script.actions));
        ASSERT_EQ(run.status, kExitOk) << script.name << '\n' << run.errors;
        std::size_t after = 0;
        for (const std::string& fact : script.listed) {
            const std::size_t at = run.out.find(fact, after);
            EXPECT_NE(at, std::string::npos) << script.name << ": no " << fact << " in\n" << run.out;
            if (at != std::string::npos) after = at;
        }
        for (const std::string& fact : script.unlisted) {
            EXPECT_FALSE(run.Lists(fact)) << script.name << ": " << fact << " in\n" << run.out;
        }
    }
}

// The quoted value of the first listed line that starts so.
std::string ListedValue(const std::string& listing, const std::string& start)
{
    const std::regex line(start + R"( \S+ \S+ \S+ \S+ "([^"]*)\")");
    const std::regex unplaced(start + R"( "([^"]*)\")");
    std::smatch found;
    if (std::regex_search(listing, found, line) || std::regex_search(listing, found, unplaced)) return found[1];
    return "";
}

std::string FileText(const QString& path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A mortgage's schedule on screen, saved through the file dialog as the console prints it.
TEST(DriverProgram, AMortgageScheduleIsListedAndSavedAsTheConsolePrintsIt)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const QString documents = home.filePath("Documents");
    const std::vector<std::pair<QString, QString>> folders = {{"HOME", home.path()}, {"XDG_DOCUMENTS_DIR", documents}};
    const QStringList script = {"--do", "button", "Menu", "choose", "Financial", "key", "Mort", "type", "200000",
                                "key", "WSDown", "type", "30", "key", "WSDown", "type", "6", "button", "Schedule",
                                "button", "Save CSV", "type", "plan", "button", "Save", "--dump-state"};

    const ProgramRun run = RunProgram(script, folders);

    ASSERT_EQ(run.status, kExitOk) << run.errors;
    const std::vector<std::string> listed = {
        "window worksheet \"Mortgage - Monthly\"\n", "button \"Schedule\" ",
        "window results \"Mortgage - Monthly Schedule\"\n", "row \"Period\" \"Payment  Interest  Principal  Balance\"\n",
        "row \"1\" \"1199.10  1000.00  199.10  199800.90\"\n", "row \"360\" ", "row \"Total\" ", "button \"Save CSV\" "};
    std::size_t after = 0;
    for (const std::string& fact : listed) {
        const std::size_t at = run.out.find(fact, after);
        ASSERT_NE(at, std::string::npos) << "no " << fact << " in\n" << run.out;
        after = at;
    }
    EXPECT_FALSE(run.Lists("row \"361\"")) << run.out;
    EXPECT_FALSE(run.Lists("window file")) << run.out;
    // The totals line adds the interest up to the sheet's own total.
    const std::string interest = ListedValue(run.out, "cell 6 \"Total interest\"");
    ASSERT_FALSE(interest.empty()) << run.out;
    const std::string totals = ListedValue(run.out, "row \"Total\"");
    std::istringstream columns(totals);
    std::string payment;
    std::string totalInterest;
    columns >> payment >> totalInterest;
    EXPECT_EQ(totalInterest, interest) << totals;

    std::ostringstream printed;
    std::ostringstream errors;
    ASSERT_EQ(cli::kSheetCommand.run({"mortgage", "Principle=200000", "Terms (years)=30", "Interest Rate=6",
                                      "--schedule"},
                                     printed, errors),
              cli::kExitOk)
        << errors.str();
    EXPECT_EQ(FileText(QDir(documents).filePath("plan.csv")), printed.str());
}

// Reset from R.P.N. entry: the keypad, the options and the engine all say Algebraic.
TEST(DriverProgram, ResetFromRpnLeavesAnAlgebraicKeypadAndOptions)
{
    const ProgramRun run = RunProgram(QStringList{"--type", "1", "--mode", "4"} +
                                      Script("key 2ndFunction key Reset key 2 key Plus key 3 key Equals "
                                             "button File choose Options..."));
    ASSERT_EQ(run.status, kExitOk) << run.errors;
    for (const char* fact : {"window calculator 1 \"Tallyx - Scientific\"\n", "display \"5.\" ",
                                    "key 5 0 \"=\" ", "row \"Calculator mode:\" "}) {
        EXPECT_TRUE(run.Lists(fact)) << fact << " not in\n" << run.out;
    }
    EXPECT_NE(run.out.find("\"Algebraic\"\n", run.Where("row \"Calculator mode:\" ")), std::string::npos) << run.out;
    for (const char* fact : {"\"Enter\"", "\"CLX\"", "\"X<>Y\"", "\"Roll\""}) {
        EXPECT_FALSE(run.Lists(fact)) << fact << " in\n" << run.out;
    }
}

TEST(DriverProgram, ListedRectanglesAreWhereTapsLand)
{
    const ProgramRun listing = RunProgram({"--dump-state"});
    ASSERT_EQ(listing.status, kExitOk) << listing.errors;
    const std::string seven = CentreOf(listing.out, R"(key 0 7 "7")");
    ASSERT_FALSE(seven.empty()) << listing.out;

    EXPECT_TRUE(RunProgram(Script(QString::fromStdString("tap " + seven))).Lists("display \"7.\" "));
    // Slid off before it came up, the key does not fire.
    const ProgramRun slid = RunProgram(Script(QString::fromStdString("drag " + seven + ",2,2")));
    EXPECT_TRUE(slid.Lists("display \"0.\" ")) << slid.out;

    // A held key presses the key instead of opening a menu.
    const ProgramRun held = RunProgram(Script(QString::fromStdString("hold " + seven)));
    EXPECT_TRUE(held.Lists("display \"7.\" ")) << held.out;
    EXPECT_FALSE(held.Lists("window menu")) << held.out;
}

TEST(DriverProgram, ActionsThatCannotBeDoneStopWithStatusTwo)
{
    const std::vector<std::pair<QString, std::string>> cases = {
        {"key Nope", "Nope"},
        {"button Nope", "no button 'Nope'"},
        {"hold 240,40 choose Nope", "no menu item 'Nope'"},
        {"choose Copy", "no menu is open"},
        {"frobnicate 1", "'frobnicate' is not an action"},
    };
    for (const auto& [actions, said] : cases) {
        const ProgramRun run = RunProgram(Script(actions));
        EXPECT_EQ(run.status, kExitBadInput) << actions.toStdString();
        EXPECT_NE(run.errors.find(said), std::string::npos) << actions.toStdString() << '\n' << run.errors;
        EXPECT_TRUE(run.out.empty()) << actions.toStdString() << '\n' << run.out;
    }
}

TEST(DriverProgram, ScreenshotShowsTheMenuOverTheCalculator)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString picture = folder.filePath("menu.png");
    const ProgramRun run = RunProgram({"--screen", "240x320", "--do", "button", "Menu", "--screenshot", picture});
    ASSERT_EQ(run.status, kExitOk) << run.errors;
    const QImage image(picture);
    EXPECT_EQ(image.size(), QSize(240, 320));
}

TEST(DriverProgram, HelpPrintsTheUsage)
{
    const ProgramRun run = RunProgram({"--help"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.Where("usage: tallyx"), 0u) << run.out;
    EXPECT_TRUE(run.Lists("--do ACTION...")) << run.out;
    EXPECT_TRUE(run.Lists("--dump-state")) << run.out;
}

}  // namespace
}  // namespace tallyx
