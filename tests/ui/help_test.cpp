#include "app/help.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace tallyx
