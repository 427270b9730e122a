#pragma once

#include "platform/clipboard.h"

namespace tallyx {

// The desktop clipboard through Qt.
class QtClipboard : public Clipboard {
public:
    bool SetText(const std::wstring& text) override;
    std::optional<std::wstring> GetText() const override;
};

}  // namespace tallyx
