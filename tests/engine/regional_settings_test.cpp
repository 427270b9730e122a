#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/regional_settings.h"

namespace tallyx {
namespace {

// Sets LC_ALL in the environment for one test and puts the old value back.
class ScopedLocaleEnvironment {
public:
    explicit ScopedLocaleEnvironment(const char* locale)
    {
        if (const char* old = std::getenv("LC_ALL")) saved_ = old;
        setenv("LC_ALL", locale, 1);
    }
    ~ScopedLocaleEnvironment() { saved_ ? setenv("LC_ALL", saved_->c_str(), 1) : unsetenv("LC_ALL"); }

private:
    std::optional<std::string> saved_;
};

TEST(RegionalSettingsTest, GermanSeparatorsComeFromTheEnvironment)
{
    locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    freelocale(german);
    ScopedLocaleEnvironment environment("de_DE.UTF-8");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const RegionalSettings settings = ReadProcessRegionalSettings();
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
    EXPECT_EQ(settings.decimalSeparator, L",");
    EXPECT_EQ(settings.thousandsSeparator, L".");
    EXPECT_EQ(settings.grouping.front(), 3);
}

TEST(RegionalSettingsTest, TheCLocaleGroupsNothing)
{
    ScopedLocaleEnvironment environment("C");
    const RegionalSettings settings = ReadProcessRegionalSettings();
    EXPECT_EQ(settings.decimalSeparator, L".");
    EXPECT_EQ(RegionalNumber(L"1234567.5", settings, true, 20), L"1234567.5");
}

}  // namespace
}  // namespace tallyx
