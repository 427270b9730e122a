#pragma once

#include <optional>
#include <string>

namespace tallyx {

// The desktop clipboard, Unicode text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool SetText(const std::wstring& text) = 0;
    // Nothing when the clipboard holds no text.
    virtual std::optional<std::wstring> GetText() const = 0;
};

// A clipboard private to the process: the test double and the console's.
class MemoryClipboard : public Clipboard {
public:
    bool SetText(const std::wstring& text) override
    {
        text_ = text;
        return true;
    }
    std::optional<std::wstring> GetText() const override { return text_; }

private:
    std::optional<std::wstring> text_;
};

}  // namespace tallyx
