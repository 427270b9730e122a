#include "app/help.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/notifier.h"
#include "platform/services.h"

namespace tallyx {
namespace {

// Points the desktop's data folders at a folder of the test's own.
class DataFolders {
public:
    explicit DataFolders(const std::filesystem::path& root)
        : savedHome_(Saved("XDG_DATA_HOME")), savedDirs_(Saved("XDG_DATA_DIRS"))
    {
        std::filesystem::create_directories(root / "home");
        std::filesystem::create_directories(root / "system");
        setenv("XDG_DATA_HOME", (root / "home").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root / "system").c_str(), 1);
    }
    ~DataFolders()
    {
        Restore("XDG_DATA_HOME", savedHome_);
        Restore("XDG_DATA_DIRS", savedDirs_);
    }

private:
    static std::optional<std::string> Saved(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value)
    {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::optional<std::string> savedHome_;
    std::optional<std::string> savedDirs_;
};

TEST(Help, GuideIsFoundInTheDataFoldersAndItsAbsenceIsReported)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tallyx-help-test";
    std::filesystem::remove_all(root);
    DataFolders folders(root);
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

}  // namespace
}  // namespace tallyx
