#include "engine/general_text.h"

namespace tallyx {

bool ShortText::Append(char character)
{
    if (size_ == kCapacity) return false;
    characters_[size_++] = character;
    return true;
}

bool ShortText::Append(std::string_view text)
{
    for (const char character : text) {
        if (!Append(character)) return false;
    }
    return true;
}

ShortText GeneralChars(double, int)
{
    return {};
}

std::wstring GeneralText(double value, int precision)
{
    const ShortText text = GeneralChars(value, precision);
    return {text.View().begin(), text.View().end()};
}

ShortText NumberChars(double, int)
{
    return {};
}

std::wstring NumberToText(double value, int precision)
{
    const ShortText text = NumberChars(value, precision);
    return {text.View().begin(), text.View().end()};
}

}  // namespace tallyx
