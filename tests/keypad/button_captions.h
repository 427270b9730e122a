#pragma once

#include <string>
#include <vector>

#include "keypad/button_def.h"

namespace tallyx {

// Each key's caption, its raised caption after a caret ("x^y").
inline std::vector<std::wstring> Captions(const std::vector<ButtonDef>& buttons)
{
    std::vector<std::wstring> captions;
    for (const ButtonDef& button : buttons) {
        captions.push_back(std::wstring(button.caption) + (*button.raisedCaption ? L"^" : L"") + button.raisedCaption);
    }
    return captions;
}

}  // namespace tallyx
