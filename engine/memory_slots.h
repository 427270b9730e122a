#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tallyx {

class ExpressionEvaluator;

// The ten memories: slot 0 is the plain memory of the M keys, 1..9 are
// reached with STO and RCL. Each holds its value as decimal text, whatever
// base the calculator shows, so it survives base changes and restarts.
class MemorySlots {
public:
    static constexpr int kSlots = 10;

    explicit MemorySlots(ExpressionEvaluator& evaluator) : evaluator_(evaluator) {}

    // Stores a display text of the current base; an empty display stores 0.
    void Store(int slot, std::wstring_view display);
    // The slot written in the current base, "0" when empty.
    std::wstring Recall(int slot);
    void Add(int slot, std::wstring_view display);
    void Subtract(int slot, std::wstring_view display);
    void Clear(int slot) { Slot(slot).clear(); }

    // The stored decimal text, as saved at exit.
    const std::wstring& Text(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    // Restores a saved text. A number too long for a slot is written in its
    // shortest form, and cut only when even that does not fit.
    void SetText(int slot, std::wstring_view text);
    // A slot is in use unless it is empty or "0".
    bool IsUsed(int slot) const;

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlots; }

    // The slots as kept between runs: string values "Memory0".."Memory9"
    // under the calculator's key, holding the decimal texts.
    Status Save(Registry& registry) const;
    // Restores each saved slot; a slot without a saved value stays as it is.
    void Load(Registry& registry);

    // What the memory indicator shows when tapped: with advanced memory every
    // slot, one line each, otherwise the plain memory when it is in use; empty
    // when there is nothing to show. Values are written in the current base.
    std::wstring ViewText(bool advancedMemory);

private:
    std::wstring& Slot(int slot) { return slots_[static_cast<std::size_t>(slot)]; }
    // Number text of the display (current base or BCD groups) to decimal,
    // and back. In BCD mode the evaluator keeps reading BCD groups.
    std::wstring ToDecimal(std::wstring_view text);
    std::wstring FromDecimal(std::wstring_view text);
    void Combine(int slot, std::wstring_view display, std::wstring_view operatorText);

    ExpressionEvaluator& evaluator_;
    std::array<std::wstring, kSlots> slots_;
};

}  // namespace tallyx
