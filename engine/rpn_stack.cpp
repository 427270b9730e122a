#include "engine/rpn_stack.h"

#include "engine/text_limits.h"

namespace tallyx {

RpnStack::RpnStack()
{
    Clear();
}

std::wstring RpnStack::RegisterText(std::wstring_view text)
{
    return text.empty() ? L"0" : CutText(text, kRegisterLength);
}

bool RpnStack::SetSize(int size)
{
    if (size < kMinSize || size > kRegisters) {
        return false;
    }
    depth_ = size - 1;
    return true;
}

void RpnStack::Lift(std::wstring_view x)
{
    for (int index = depth_ - 1; index > 0; --index) {
        At(index) = At(index - 1);
    }
    At(0) = RegisterText(x);
    lastX_ = At(0);
}

void RpnStack::Drop()
{
    lastX_ = At(0);
    for (int index = 0; index < depth_ - 1; ++index) {
        At(index) = At(index + 1);
    }
}

void RpnStack::Swap(std::wstring& x)
{
    std::wstring y = At(0);
    At(0) = RegisterText(x);
    x = std::move(y);
    lastX_ = At(0);
}

void RpnStack::RollDown(std::wstring& x)
{
    const std::wstring oldX = RegisterText(x);
    x = At(0);
    Drop();
    At(depth_ - 1) = oldX;
    lastX_ = At(0);
}

void RpnStack::RollUp(std::wstring& x)
{
    const std::wstring oldX = RegisterText(x);
    x = At(depth_ - 1);
    for (int index = depth_ - 1; index > 0; --index) {
        At(index) = At(index - 1);
    }
    At(0) = oldX;
    lastX_ = At(0);
}

void RpnStack::Clear()
{
    registers_.fill(L"0");
}

}  // namespace tallyx
