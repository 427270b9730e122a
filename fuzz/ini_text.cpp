// Parses arbitrary bytes as an INI text and reads every entry back through
// each typed reader: no crash, no overrun, and lines never longer than the cap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tallyx::IniText ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const tallyx::IniSection& section : ini.Sections()) {
        if (section.name.size() > tallyx::IniText::kMaxLineLength) {
            std::abort();
        }
        for (const tallyx::IniEntry& entry : section.entries) {
            if (entry.key.size() > tallyx::IniText::kMaxLineLength || entry.value.size() > tallyx::IniText::kMaxLineLength) {
                std::abort();
            }
            std::wstring text;
            std::int32_t number = 0;
            tallyx::Color color = 0;
            ini.GetString(text, section.name, entry.key, L"");
            ini.GetInt(number, section.name, entry.key, 0);
            ini.GetColor(color, section.name, entry.key, tallyx::kMissingSkinColor);
        }
    }
    return 0;
}
