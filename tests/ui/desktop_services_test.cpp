#include "app/desktop_services.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_registry.h"
#include "platform/notifier.h"

namespace tallyx {
namespace {

struct NoticeCase {
    const char* name;
    std::string store;  // none written when empty
    std::vector<std::wstring> mentioned;
};

// The user hears once, at start, which settings were lost and where the file as it was is kept.
TEST(DesktopServices, SetAsideSettingsAreToldOnceInAMessageBox)
{
    const NoticeCase cases[] = {
        {"one bad line",
         "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"CalcType\"=dword:00000001\n\"Skin\"=dword:3x\n",
         {L"Skin", L"registry.reg.corrupt-"}},
        {"not a registry text", "[Settings]\nSkin=3\n", {L"every setting", L"registry.reg.corrupt-"}},
        {"a good store", "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"Skin\"=dword:00000003\n", {}},
        {"no store yet", "", {}},
    };
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::filesystem::path path = folder.path().toStdString();
        if (!c.store.empty()) std::ofstream(path / "registry.reg", std::ios::binary) << c.store;
        FileRegistry registry(path);
        RecordingNotifier notifier;
        TellAboutSetAsideSettings(registry, notifier);
        TellAboutSetAsideSettings(registry, notifier);
        if (c.mentioned.empty()) {
            EXPECT_TRUE(notifier.messages.empty());
            continue;
        }
        ASSERT_EQ(notifier.messages.size(), 1u);
        EXPECT_EQ(notifier.messages[0].icon, NotifierIcon::Warning);
        EXPECT_EQ(notifier.messages[0].buttons, NotifierButtons::Ok);
        for (const std::wstring& words : c.mentioned) {
            EXPECT_NE(notifier.messages[0].text.find(words), std::wstring::npos) << words;
        }
    }
}

}  // namespace
}  // namespace tallyx
