#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tallyx {

// Appends to a fixed buffer and refuses to go past its end: a text that does
// not fit marks the writer as overflowed instead of overrunning anything.
class TextWriter {
public:
    explicit TextWriter(std::span<wchar_t> storage) : storage_(storage) {}

    void Append(wchar_t character);
    void Append(std::wstring_view text);
    void Append(std::string_view text);

    std::wstring_view View() const { return {storage_.data(), size_}; }
    std::size_t Size() const { return size_; }
    bool Overflowed() const { return overflowed_; }

private:
    std::span<wchar_t> storage_;
    std::size_t size_ = 0;
    bool overflowed_ = false;
};

}  // namespace tallyx
