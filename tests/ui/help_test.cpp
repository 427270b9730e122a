#include "app/help.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/notifier.h"
#include "platform/services.h"

namespace tallyx {
namespace {

// Sets an environment variable for the test's time.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::filesystem::path& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) saved_ = old;
        std::filesystem::create_directories(value);
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(Help, GuideIsFoundInTheDataFoldersAndItsAbsenceIsReported)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tallyx-help-test";
    std::filesystem::remove_all(root);
    const ScopedVariable home("XDG_DATA_HOME", root / "home");
    const ScopedVariable system("XDG_DATA_DIRS", root / "system");
    RecordingNotifier notifier;
    PlatformServices services = Platform();
    services.notifier = &notifier;
    ScopedPlatform platform(services);

    EXPECT_TRUE(FindUserGuide().empty());
    EXPECT_FALSE(OpenHelp("HowTo"));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"The user guide is not installed.");

    const std::filesystem::path guide = root / "system" / "tallyx" / "help" / "tallyx.html";
    std::filesystem::create_directories(guide.parent_path());
    std::ofstream(guide) << "<html></html>";
    EXPECT_EQ(FindUserGuide(), guide);
    std::filesystem::remove_all(root);
}

TEST(Help, GuideIsFoundBesideTheProgramInItsInstallAndBuildTrees)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tallyx-help-tree-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "bin");
    EXPECT_TRUE(GuideBesideProgram(root / "bin").empty());
    const std::filesystem::path installed = root / "share" / "tallyx" / "help" / "tallyx.html";
    std::filesystem::create_directories(installed.parent_path());
    std::ofstream(installed) << "<html></html>";
    EXPECT_EQ(GuideBesideProgram(root / "bin"), installed);
    std::filesystem::remove_all(root);

    // The program as built, before any install.
    const std::filesystem::path built = GuideBesideProgram(std::filesystem::path(TALLYX_PROGRAM).parent_path());
    ASSERT_FALSE(built.empty());
    std::ifstream guide(built);
    const std::string text{std::istreambuf_iterator<char>(guide), {}};
    EXPECT_NE(text.find("Tallyx"), std::string::npos);
}

// The section of the guide under the heading of that id, up to the next heading.
std::string GuideSection(const std::string& guide, const std::string& id)
{
    const std::size_t start = guide.find("id=\"" + id + "\"");
    if (start == std::string::npos) return {};
    return guide.substr(start, guide.find("<h2", start) - start);
}

TEST(Help, GuideSaysWhatTheProgramDoesAndMarksWhatIsComing)
{
    const std::filesystem::path built = GuideBesideProgram(std::filesystem::path(TALLYX_PROGRAM).parent_path());
    std::ifstream file(built);
    const std::string guide{std::istreambuf_iterator<char>(file), {}};
    ASSERT_FALSE(guide.empty());

    // Every window is in the program: no section says it is coming.
    for (const char* id : {"Worksheets", "Graphing", "Dates", "Constants", "Units", "Currencies"}) {
        EXPECT_EQ(GuideSection(guide, id).find("class=\"coming\""), std::string::npos) << id;
    }
    for (const char* id : {"Units", "Currencies"}) {
        EXPECT_NE(GuideSection(guide, id).find("<b>From</b>"), std::string::npos) << id;
    }
    EXPECT_NE(GuideSection(guide, "Dates").find("local time"), std::string::npos);
    // The worksheets' picture comes with the guide.
    EXPECT_NE(GuideSection(guide, "Worksheets").find("<img src=\"worksheet-tvm.png\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(built.parent_path() / "worksheet-tvm.png"));
    // A tap on the angle indicator converts the value, as DRG> does; the unit stays.
    const std::string display = GuideSection(guide, "Display");
    EXPECT_EQ(display.find("changes the angle unit"), std::string::npos);
    EXPECT_NE(display.find("DRG&gt;"), std::string::npos);
    // The desktop keys are listed.
    const std::string keyboard = GuideSection(guide, "Keyboard");
    for (const char* key : {"Ctrl</kbd>+<kbd>C", "Ctrl</kbd>+<kbd>V", "Shift</kbd>+<kbd>Insert", "Delete"}) {
        EXPECT_NE(keyboard.find(key), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace tallyx
