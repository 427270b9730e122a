#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "convert/rate_file_store.h"
#include "convert/rate_updater.h"
#include "frame_test_support.h"
#include "platform/paths.h"
#include "tests/convert/local_http_server.h"
#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

// Stands in for the desktop's viewer: keeps the files it is asked to open.
class ViewerStandIn : public QObject {
    Q_OBJECT
public:
    ViewerStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~ViewerStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    Q_INVOKABLE void Open(const QUrl& url) { opened.push_back(url.toLocalFile().toStdString()); }

    std::vector<std::filesystem::path> opened;
};

// A desktop whose viewer cannot open files: its handler names no method it has.
class RefusingViewer : public QObject {
    Q_OBJECT
public:
    RefusingViewer() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "NoSuchMethod"); }
    ~RefusingViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
};

// A frame whose documents and program folders are the test's own.
class CalculatorWindowCommandsTest : public ::testing::Test {
protected:
    CalculatorWindowCommandsTest() : root_(Root()), paths_(root_), platform_(Services()) { harness.Open(480, 640); }
    ~CalculatorWindowCommandsTest() override
    {
        harness.Calculator().Menu().Close();
        harness.Close();
        std::filesystem::remove_all(root_);
    }

    void Command(std::uint32_t command) { harness.Frame().WindowProcedure(WM_COMMAND, command, 0); }
    const KeyButton* ConstantsKey()
    {
        for (const KeyButton& key : harness.Keypad().AlternateKeys()) {
            if (key.Button().type == ButtonTypeShift && key.Button().id == 8) return &key;
        }
        return nullptr;
    }

    FrameHarness harness;
    std::filesystem::path root_;

private:
    static std::filesystem::path Root()
    {
        const auto root = std::filesystem::temp_directory_path() / ("tallyx-commands-" + std::to_string(getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "data");
        return root;
    }
    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.paths = &paths_;
        return services;
    }

    FixedPaths paths_;
    ScopedPlatform platform_;
};

TEST_F(CalculatorWindowCommandsTest, ConstantsKeyOffersTheFavouritesAndEntersTheChosenOne)
{
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
    const KeyButton* key = ConstantsKey();
    ASSERT_NE(key, nullptr);
    harness.Tap(FrameHarness::Centre(key->Bounds()));
    ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
    const auto& entries = harness.Calculator().Menu().List().Entries();
    ASSERT_EQ(entries.size(), 13u);  // the title and the twelve built-in favourites
    EXPECT_EQ(entries[0].text, L"Constant Favorites");
    EXPECT_EQ(entries[7].text, L"Speed of light (m/s)");
    EXPECT_EQ(entries[7].command, 4006u);

    harness.Calculator().Menu().Close();
    Command(4006);
    EXPECT_EQ(harness.Shown(), L"299792458.");
    Command(4099);  // past the last favourite: nothing
    EXPECT_EQ(harness.Shown(), L"299792458.");
}

TEST_F(CalculatorWindowCommandsTest, ViewTapeOpensTheWrittenTapeOrSaysItCannotBeWritten)
{
    ViewerStandIn viewer;
    harness.Engine().SetTapeRecording(true);
    harness.TapKeys({L"2", L"+", L"3", L"="});
    std::ofstream(root_ / "documents") << "a file where the folder should be";
    Command(32768);
    EXPECT_TRUE(viewer.opened.empty());
    ASSERT_EQ(harness.notifier.messages.size(), 1u);
    EXPECT_EQ(harness.notifier.messages[0].text.rfind(L"The tape could not be written", 0), 0u);

    std::filesystem::remove(root_ / "documents");
    Command(32768);
    harness.Engine().SetTapeRecording(false);
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0].parent_path(), root_ / "documents");
    std::ifstream tape(viewer.opened[0]);
    const std::string text{std::istreambuf_iterator<char>(tape), {}};
    EXPECT_NE(text.find("2+3"), std::string::npos) << text;
}

TEST_F(CalculatorWindowCommandsTest, TapeNoViewerCanOpenIsNamedByItsPath)
{
    RefusingViewer viewer;
    harness.Engine().SetTapeRecording(true);
    harness.TapKeys({L"2", L"+", L"3", L"="});
    Command(32768);
    harness.Engine().SetTapeRecording(false);
    ASSERT_EQ(harness.notifier.messages.size(), 1u);
    const std::wstring& text = harness.notifier.messages[0].text;
    EXPECT_EQ(text.rfind(L"No viewer could open the tape.", 0), 0u) << text;
    const std::wstring folder = (root_ / "documents").wstring();
    const std::size_t at = text.find(folder);
    ASSERT_NE(at, std::wstring::npos) << text;
    // The whole path of the written file, which is there to open.
    const std::wstring path = text.substr(at, text.rfind(L'.') - at);
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << text;
}

TEST_F(CalculatorWindowCommandsTest, UpdateCurrenciesShowsItsProgressOnTheCurrencyPanel)
{
    ASSERT_EQ(SeedRateFile(), StatusOk);
    harness.registry.WriteString(kTallyxKey, L"RateURL", testing::LocalHttpServer::RefusingUrl());
    const CurrencyPanel& currencies = harness.Calculator().Currencies();
    Command(32761);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorCurrencies);
    EXPECT_TRUE(ProcessEventsUntil([&] { return currencies.UpdateStatus() != RateUpdateStatus::Connecting; }));
    EXPECT_EQ(currencies.UpdateStatus(), RateUpdateStatus::Error);
    EXPECT_EQ(currencies.StatusLines(), std::make_pair(std::wstring(L"Error"), std::wstring(L"Unable to connect")));
    harness.Frame().WindowProcedure(WM_TIMER, RateUpdater::kStatusTimer, 0);
    EXPECT_EQ(currencies.UpdateStatus(), RateUpdateStatus::Idle);
    // Back to when the shipped rates are from, and that they were never updated.
    EXPECT_EQ(currencies.StatusLines().first.rfind(L"Rates of ", 0), 0u);
    EXPECT_EQ(currencies.StatusLines().first.find(L"  "), std::wstring::npos);
    EXPECT_EQ(currencies.StatusLines().second, L"As shipped, never updated");
}

}  // namespace
}  // namespace tallyx

#include "calculator_window_commands_test.moc"
