#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallyx {

// The registers above X of the R.P.N. mode: register 0 is Y, 1 is Z, 2 is T
// and so on up to the depth in use, plus the LastX register. X itself is
// the engine's entry, handed to each operation.
class RpnStack {
public:
    static constexpr int kRegisters = 50;
    static constexpr int kMinSize = 3;  // stack sizes count X
    static constexpr int kInitialDepth = 4;

    RpnStack();

    // 3..50 registers including X; false and nothing changed otherwise.
    bool SetSize(int size);
    int Depth() const { return depth_; }

    // Pushes x into Y; the top register's value is lost.
    void Lift(std::wstring_view x);
    // Y takes Z and so on; the top register keeps its value.
    void Drop();
    void Swap(std::wstring& x);
    // X takes Y, Y takes Z, ..., the top takes X.
    void RollDown(std::wstring& x);
    // X takes the top, ..., Y takes X.
    void RollUp(std::wstring& x);
    // Every register back to "0"; LastX stays.
    void Clear();

    const std::wstring& Register(int index) const { return registers_[static_cast<std::size_t>(index)]; }
    const std::wstring& LastX() const { return lastX_; }

private:
    std::wstring& At(int index) { return registers_[static_cast<std::size_t>(index)]; }
    // Register texts are held to the register length; an empty X counts as 0.
    static std::wstring RegisterText(std::wstring_view text);

    std::array<std::wstring, kRegisters> registers_;
    std::wstring lastX_;
    int depth_ = kInitialDepth;
};

}  // namespace tallyx
