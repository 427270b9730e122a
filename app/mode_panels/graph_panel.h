#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/panel.h"

namespace tallyx {

class Registry;

// The Graphing type's function list above the keypad: six functions f1 to
// f6, one of them typed on the keypad as the engine's expression at a time.
// The Graph key plots them all; the texts are kept in the registry.
class GraphPanel : public Panel {
public:
    static constexpr int kSlots = 6;
    // The slot list's items: this command plus the slot.
    static constexpr std::uint32_t kFirstSlotCommand = 2500;
    static constexpr std::size_t kLongestStoredText = 256;

    // Reads the stored texts; writes them back when destroyed.
    explicit GraphPanel(Registry& registry);
    ~GraphPanel() override;

    // The current slot takes the engine's expression, "X" before a number or function meaning a product.
    void CommitSlot();
    // Commits, clears the engine and loads the chosen slot's text into it.
    void SelectSlot(int slot);
    // The list of the six slots, the current one marked.
    void ShowSlotList();
    // Plots every slot that has a text.
    void DrawGraph();

    int CurrentSlot() const { return current_; }
    const std::wstring& SlotText(int slot) const { return texts_[static_cast<std::size_t>(slot)]; }
    bool ButtonFocused() const { return focused_; }
    // Where the "f1(x)" button and the text area sit, in the window.
    Rect ButtonRect() const;
    Rect TextRect() const;

    long Draw(Canvas& canvas, const Rect& clip) override;
    long KeyDown(std::uint32_t virtualKey) override;
    long KeyUp(std::uint32_t virtualKey) override;
    long PenDown(Point point) override;
    long PenUp(Point point) override;
    long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long Command(std::uint32_t command, std::intptr_t parameter) override;
    long Attach(const PanelContext& context) override;
    void TypeChanging(int newType) override;
    void DescribeState(std::vector<StateLine>& lines) const override;

private:
    // The calculator's display area, which the list takes over.
    Rect Area() const;
    int Icon() const;
    void LoadSlot();
    void Repaint();

    Registry& registry_;
    std::array<std::wstring, kSlots> texts_;
    int current_ = 0;
    bool focused_ = false;
    bool penOnButton_ = false;
    // Whether the engine's expression is the current slot's: the Graphing type is current.
    bool active_ = false;
};

}  // namespace tallyx
