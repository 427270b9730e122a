#include "platform/file_registry.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/registry_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kKey = L"SOFTWARE\\Vexa\\Tallyx";
constexpr std::wstring_view kWorksheetsKey = L"SOFTWARE\\Vexa\\Tallyx\\Worksheets";

class FileRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tallyx-registry-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string StoreText() const
    {
        std::ifstream file(folder_ / "registry.reg", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }
    void WriteStoreText(const std::string& text) const
    {
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "registry.reg", std::ios::binary) << text;
    }
    std::size_t CorruptCopies() const
    {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            count += entry.path().filename().string().starts_with("registry.reg.corrupt-");
        }
        return count;
    }

    std::filesystem::path folder_;
};

TEST_F(FileRegistryTest, StoreIsARegistryExportThatKeepsEveryValue)
{
    const std::array<std::uint8_t, 2> bytes = {0xAB, 0x01};
    FileRegistry registry(folder_);
    registry.WriteDword(kKey, L"CalcType", 0);
    registry.WriteString(kKey, L"Memory0", L"12.5");
    registry.WriteBinary(kWorksheetsKey, L"WSTVM_PVal", bytes);
    EXPECT_EQ(StoreText(),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n"
              "\"CalcType\"=dword:00000000\n"
              "\"Memory0\"=\"12.5\"\n\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx\\Worksheets]\n"
              "\"WSTVM_PVal\"=hex:ab,01\n");

    // Control characters would break the text store's lines.
    const std::wstring awkward = L"12.5 \"q\" \\ °′″ 𝜋 tab\tline\nend";
    ASSERT_EQ(registry.WriteString(kKey, L"Memory1", awkward), StatusOk);
    ASSERT_EQ(registry.WriteDword(kKey, L"CalcType", 0xDEADBEEF), StatusOk);
    FileRegistry reopened(folder_);
    std::uint32_t number = 0;
    std::wstring text;
    std::array<std::uint8_t, 2> read{};
    EXPECT_EQ(reopened.ReadDword(kKey, L"calctype", number), StatusOk);
    EXPECT_EQ(number, 0xDEADBEEFu);
    EXPECT_EQ(reopened.ReadString(kKey, L"Memory1", text), StatusOk);
    EXPECT_EQ(text, awkward);
    EXPECT_EQ(reopened.ReadBinary(L"software\\vexa\\tallyx\\worksheets", L"WSTVM_PVal", read), StatusOk);
    EXPECT_EQ(read, bytes);
    std::array<std::uint8_t, 8> tooLong{};
    EXPECT_EQ(reopened.ReadBinary(kWorksheetsKey, L"WSTVM_PVal", tooLong), StatusInvalidArgument);
    EXPECT_EQ(reopened.ReadDword(kKey, L"Memory0", number), StatusInvalidArgument);
    EXPECT_EQ(reopened.ReadString(kKey, L"CalcType", text), StatusInvalidArgument);
    EXPECT_EQ(text, awkward);

    // A key tree goes with its sub-keys; a key that merely starts alike stays.
    reopened.WriteDword(L"SOFTWARE\\Vexa\\Tallyx\\Worksheets\\Deep", L"Gone", 1);
    reopened.WriteDword(L"SOFTWARE\\Vexa\\TallyxOther", L"Keep", 2);
    EXPECT_EQ(reopened.DeleteKeyTree(L"SOFTWARE\\Vexa\\Tallyx\\worksheets"), StatusOk);
    EXPECT_EQ(reopened.DeleteKeyTree(kWorksheetsKey), StatusInvalidArgument);
    EXPECT_EQ(StoreText().find("Worksheets"), std::string::npos);
    EXPECT_EQ(reopened.ReadDword(L"SOFTWARE\\Vexa\\TallyxOther", L"Keep", number), StatusOk);
}

TEST_F(FileRegistryTest, HandEditedStoreIsRead)
{
    WriteStoreText("\xEF\xBB\xBFREGEDIT4\r\n; edited by hand\r\n\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\r\n"
                   "\"Skin\"=dword:00000003\r\n"
                   "\"Blob\"=hex:01,02,\\\r\n  03\r\n");
    FileRegistry registry(folder_);
    std::uint32_t skin = 0;
    std::array<std::uint8_t, 3> blob{};
    EXPECT_EQ(registry.ReadDword(kKey, L"Skin", skin), StatusOk);
    EXPECT_EQ(skin, 3u);
    EXPECT_EQ(registry.ReadBinary(kKey, L"Blob", blob), StatusOk);
    EXPECT_EQ(blob, (std::array<std::uint8_t, 3>{1, 2, 3}));
}

TEST_F(FileRegistryTest, UnreadableStoresAreSetAsideAndDefaultsApply)
{
    std::mt19937 random(12345);
    std::string noise(4096, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    const std::string stores[] = {
        noise,
        "REGEDIT4\n\"Orphan\"=dword:00000001\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"CalcType\"=dword:12\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"Memory0\"=\"unterminated\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n\"Text\"=hex(1):41\n",
    };
    for (std::size_t i = 0; i < std::size(stores); ++i) {
        WriteStoreText(stores[i]);
        FileRegistry registry(folder_);
        std::uint32_t number = 42;
        EXPECT_EQ(registry.ReadDword(kKey, L"CalcType", number), StatusInvalidArgument) << i;
        EXPECT_EQ(number, 42u);
        EXPECT_EQ(CorruptCopies(), i + 1) << i;
        EXPECT_EQ(registry.WriteDword(kKey, L"CalcType", 7), StatusOk);
        EXPECT_EQ(FileRegistry(folder_).ReadDword(kKey, L"CalcType", number), StatusOk);
        EXPECT_EQ(number, 7u);
        std::filesystem::remove(folder_ / "registry.reg");
    }
}

// A hand edit gone wrong among twenty good values: only the edited value is
// lost, the store as it was is kept beside it, and it is reported once.
TEST_F(FileRegistryTest, OneBadLineCostsOnlyItsValue)
{
    const std::pair<const char*, std::uint32_t> dwords[] = {
        {"CalcType", 1},   {"CalcMode", 4},  {"AdvMem", 1},    {"RPNStack", 10},  {"Notation", 2},
        {"BaseBits", 16},  {"RegionalSettings", 1},            {"PlaySounds", 2}, {"Ani2ndHyp", 1},
        {"FixedDigits", 3}, {"TVMEndPay", 1}, {"MortPaymentSched", 4},           {"GraphFast", 1},
        {"GraphPoints", 1}, {"DRG", 2},       {"Size", 5},      {"UseTape", 1},
    };
    const std::pair<const char*, const wchar_t*> texts[] = {{"Memory0", L"12.5"}, {"Memory1", L"-3"}, {"Memory9", L"1e-7"}};
    std::string store = "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n";
    for (const auto& [name, value] : dwords) {
        char line[64];
        std::snprintf(line, sizeof line, "\"%s\"=dword:%08x\n", name, value);
        store += line;
        if (std::string_view(name) == "Notation") store += "\"Skin\"=dword:3x\n";
    }
    for (const auto& [name, value] : texts) store += std::string("\"") + name + "\"=\"" + NarrowUtf8(value) + "\"\n";
    ASSERT_EQ(std::size(dwords) + std::size(texts), 20u);
    WriteStoreText(store);

    FileRegistry registry(folder_);
    std::uint32_t number = 0;
    std::wstring text;
    for (const auto& [name, value] : dwords) {
        EXPECT_EQ(registry.ReadDword(kKey, WidenUtf8(name), number), StatusOk) << name;
        EXPECT_EQ(number, value) << name;
    }
    for (const auto& [name, value] : texts) {
        EXPECT_EQ(registry.ReadString(kKey, WidenUtf8(name), text), StatusOk) << name;
        EXPECT_EQ(text, value) << name;
    }
    EXPECT_EQ(registry.ReadDword(kKey, L"Skin", number), StatusInvalidArgument);

    const std::optional<FileRegistry::SetAside> setAside = registry.TakeSetAside();
    ASSERT_TRUE(setAside.has_value());
    EXPECT_EQ(setAside->droppedValues, std::vector<std::wstring>{L"Skin"});
    EXPECT_TRUE(setAside->copy.filename().string().starts_with("registry.reg.corrupt-"));
    std::ifstream copy(setAside->copy, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>()), store);
    const std::wstring description = DescribeSetAside(*setAside);
    EXPECT_NE(description.find(L": Skin."), std::wstring::npos) << NarrowUtf8(description);
    EXPECT_NE(description.find(setAside->copy.wstring()), std::wstring::npos) << NarrowUtf8(description);
    EXPECT_FALSE(registry.TakeSetAside().has_value());

    // The store was written again without the bad line: the next start reads it whole.
    EXPECT_EQ(StoreText().find("3x"), std::string::npos);
    FileRegistry next(folder_);
    EXPECT_EQ(next.ReadString(kKey, L"Memory9", text), StatusOk);
    EXPECT_FALSE(next.TakeSetAside().has_value());
    EXPECT_EQ(CorruptCopies(), 1u);
}

TEST_F(FileRegistryTest, AStoreThatIsNoExportIsMovedAsideWhole)
{
    WriteStoreText("[Settings]\nSkin=3\n");
    FileRegistry registry(folder_);
    const std::optional<FileRegistry::SetAside> setAside = registry.TakeSetAside();
    ASSERT_TRUE(setAside.has_value());
    EXPECT_TRUE(setAside->droppedValues.empty());
    EXPECT_TRUE(std::filesystem::exists(setAside->copy));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "registry.reg"));
    EXPECT_NE(DescribeSetAside(*setAside).find(L"every setting"), std::wstring::npos);
    EXPECT_FALSE(registry.TakeSetAside().has_value());
}

TEST_F(FileRegistryTest, AStoreOfManyBadLinesNamesOnlyTheFirstFew)
{
    std::string store = "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Vexa\\Tallyx]\n";
    for (int line = 0; line < 1000; ++line) store += "\"Bad" + std::to_string(line) + "\"=dword:x\n";
    WriteStoreText(store);
    const std::optional<FileRegistry::SetAside> setAside = FileRegistry(folder_).TakeSetAside();
    ASSERT_TRUE(setAside.has_value());
    EXPECT_EQ(setAside->droppedValues.size(), 1000u);
    const std::wstring description = DescribeSetAside(*setAside);
    EXPECT_NE(description.find(L"Bad0, Bad1"), std::wstring::npos);
    EXPECT_NE(description.find(L" and 988 more."), std::wstring::npos) << NarrowUtf8(description);
    EXPECT_EQ(description.find(L"Bad999"), std::wstring::npos);
}

TEST_F(FileRegistryTest, AMissingStoreReportsNothing)
{
    EXPECT_FALSE(FileRegistry(folder_).TakeSetAside().has_value());
    EXPECT_EQ(CorruptCopies(), 0u);
}

TEST_F(FileRegistryTest, TwoProcessesKeepEachOthersValues)
{
    constexpr int kWritesEach = 40;
    for (const wchar_t* prefix : {L"Left", L"Right"}) {
        if (fork() == 0) {
            FileRegistry registry(folder_);
            for (int i = 0; i < kWritesEach; ++i) {
                registry.WriteDword(kKey, prefix + std::to_wstring(i), static_cast<std::uint32_t>(i));
            }
            std::_Exit(0);
        }
    }
    for (int child = 0; child < 2; ++child) {
        int status = 0;
        ASSERT_GT(wait(&status), 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    FileRegistry registry(folder_);
    std::uint32_t number = 0;
    for (int i = 0; i < kWritesEach; ++i) {
        EXPECT_EQ(registry.ReadDword(kKey, L"Left" + std::to_wstring(i), number), StatusOk) << i;
        EXPECT_EQ(registry.ReadDword(kKey, L"Right" + std::to_wstring(i), number), StatusOk) << i;
    }
}

// A writer killed at any moment leaves a store that loads, with every value
// whole: its old content or its new one, never a mix, and never older than
// what an earlier load saw.
TEST_F(FileRegistryTest, KilledWriterNeverTearsTheStore)
{
    constexpr int kKills = 200;
    constexpr int kValues = 8;
    constexpr std::size_t kTextLength = 64;
    std::mt19937 random(2026);
    std::array<std::uint32_t, kValues> seen{};
    for (int attempt = 0; attempt < kKills; ++attempt) {
        const std::uint32_t firstRound = *std::max_element(seen.begin(), seen.end()) + 1;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileRegistry registry(folder_);
            for (std::uint32_t round = firstRound;; ++round) {
                for (int value = 0; value < kValues; ++value) {
                    registry.WriteString(kKey, L"Text" + std::to_wstring(value),
                                         std::wstring(kTextLength, static_cast<wchar_t>(L'a' + round % 26)));
                    registry.WriteDword(kKey, L"Round" + std::to_wstring(value), round);
                }
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        FileRegistry registry(folder_);
        for (int value = 0; value < kValues; ++value) {
            std::uint32_t round = 0;
            std::wstring text;
            if (registry.ReadDword(kKey, L"Round" + std::to_wstring(value), round) == StatusOk) {
                EXPECT_GE(round, seen[value]) << "after kill " << attempt;
                seen[value] = round;
                ASSERT_EQ(registry.ReadString(kKey, L"Text" + std::to_wstring(value), text), StatusOk);
            }
            if (registry.ReadString(kKey, L"Text" + std::to_wstring(value), text) == StatusOk) {
                ASSERT_EQ(text.size(), kTextLength) << "after kill " << attempt;
                EXPECT_EQ(text.find_first_not_of(text[0]), std::wstring::npos) << "after kill " << attempt;
            }
        }
        ASSERT_EQ(CorruptCopies(), 0u) << "after kill " << attempt;
    }
}

}  // namespace
}  // namespace tallyx
