#pragma once

#include <string>
#include <vector>

#include "platform/geometry.h"

namespace tallyx {

class WindowBase;

enum class AccessibleRole { Button, Text, List, ListItem };

// One thing a window shows to assistive tools such as screen readers.
// Pressing a button or list item taps the middle of its rectangle, so it
// acts exactly as the pen would.
struct AccessibleNode {
    static constexpr int kTopLevel = -1;

    AccessibleRole role = AccessibleRole::Text;
    std::wstring name;
    std::wstring value;
    Rect rect;               // in the window's client coordinates
    int parent = kTopLevel;  // index of the list holding it in the same sequence
    bool checked = false;    // a menu item's tick
    bool disabled = false;   // shown but refusing presses
};

// Reads what a window shows, afresh each time it is asked.
class AccessibleDescriber {
public:
    virtual ~AccessibleDescriber() = default;
    virtual std::vector<AccessibleNode> Describe(WindowBase& window) const = 0;
};

// The program's describer; without one, windows show nothing.
std::vector<AccessibleNode> DescribeAccessible(WindowBase& window);
void SetAccessibleDescriber(const AccessibleDescriber* describer);

// Whether pressing the node does anything.
bool IsPressable(const AccessibleNode& node);

}  // namespace tallyx
