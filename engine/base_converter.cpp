#include "engine/base_converter.h"

namespace tallyx {

bool BaseConverter::SetWordSize(int bits)
{
    if (bits < kMinWordSize || bits > kMaxWordSize) return false;
    wordSize_ = bits;
    return true;
}

void BaseConverter::ToDecimal(std::wstring_view text, int, TextWriter& out)
{
    out.Append(text);
}

ShortText BaseConverter::FromValue(double, int) const
{
    return {};
}

bool BaseConverter::ToBcd(double, ShortText&)
{
    return false;
}

void BaseConverter::FromBcd(std::wstring_view text, TextWriter& out)
{
    out.Append(text);
}

}  // namespace tallyx
