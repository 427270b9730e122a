#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tallyx {

// Significant digits of every result text.
constexpr int kResultPrecision = 15;

// A short number text held without the heap, so that evaluation never allocates.
class ShortText {
public:
    static constexpr std::size_t kCapacity = 64;

    std::string_view View() const { return {characters_.data(), size_}; }
    std::size_t Size() const { return size_; }
    bool Append(char character);
    bool Append(std::string_view text);
    void Clear() { size_ = 0; }

private:
    std::array<char, kCapacity> characters_{};
    std::size_t size_ = 0;
};

// The runtime's general format with `precision` significant digits: exponent
// form for 0 < |v| < 0.1 and for decimal exponents of `precision` or more,
// trailing fraction zeros dropped, the point always kept, the exponent signed
// and at least three digits ("5.", "0.25", "1.e+020", "1.5e-005").
ShortText GeneralChars(double value, int precision);
std::wstring GeneralText(double value, int precision);

// The number text that travels between the parts: general format, small
// numbers written out in fixed form while they stay short, no trailing point
// ("5", "0.000015", "-2.5", "1.e-020").
ShortText NumberChars(double value, int precision = kResultPrecision);
std::wstring NumberToText(double value, int precision = kResultPrecision);

}  // namespace tallyx
