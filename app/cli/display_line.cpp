#include "app/cli/display_line.h"

#include "platform/wide_text.h"

namespace tallyx::cli {

std::string DisplayLine(const DisplayText& display)
{
    if (!display.fraction) {
        return NarrowUtf8(display.main);
    }
    const std::wstring whole = display.main.empty() ? std::wstring() : display.main + L" ";
    return NarrowUtf8(whole + display.significand + L"/" + display.exponent);
}

}  // namespace tallyx::cli
