#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

namespace tallyx {

// Appends to a fixed buffer and refuses to go past its end: a text that does
// not fit marks the writer as overflowed instead of overrunning anything.
// Inline, since evaluation appends every character through it.
class TextWriter {
public:
    explicit TextWriter(std::span<wchar_t> storage) : storage_(storage) {}

    void Append(wchar_t character)
    {
        if (size_ == storage_.size()) {
            overflowed_ = true;
            return;
        }
        storage_[size_++] = character;
    }

    void Append(std::wstring_view text)
    {
        const std::size_t fitting = std::min(text.size(), storage_.size() - size_);
        std::copy_n(text.begin(), fitting, storage_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += fitting;
        overflowed_ = overflowed_ || fitting < text.size();
    }

    void Append(std::string_view text)
    {
        for (const char character : text) Append(static_cast<wchar_t>(static_cast<unsigned char>(character)));
    }

    std::wstring_view View() const { return {storage_.data(), size_}; }
    std::size_t Size() const { return size_; }
    bool Overflowed() const { return overflowed_; }

private:
    std::span<wchar_t> storage_;
    std::size_t size_ = 0;
    bool overflowed_ = false;
};

}  // namespace tallyx
