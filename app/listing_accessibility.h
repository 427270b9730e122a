#pragma once

#include <vector>

#include "ui/accessible_node.h"

namespace tallyx {

class StateListing;
struct StateLine;

// What the windows show to screen readers, read from the same listing the
// headless driver prints: keys named by what they do, the display and its
// indicators as text, rows and menu items as lists.
class ListingAccessibility : public AccessibleDescriber {
public:
    explicit ListingAccessibility(const StateListing& listing) : listing_(listing) {}

    std::vector<AccessibleNode> Describe(WindowBase& window) const override;

private:
    const StateListing& listing_;
};

// The nodes of one window's listing, moved by offset (the window's client origin in listing coordinates).
std::vector<AccessibleNode> AccessibleNodesOf(const std::vector<StateLine>& lines, Point offset);

// Makes the listing the program's describer while it lives.
class ScopedAccessibility {
public:
    explicit ScopedAccessibility(const StateListing& listing) : describer_(listing)
    {
        SetAccessibleDescriber(&describer_);
    }
    ~ScopedAccessibility() { SetAccessibleDescriber(nullptr); }
    ScopedAccessibility(const ScopedAccessibility&) = delete;
    ScopedAccessibility& operator=(const ScopedAccessibility&) = delete;

private:
    ListingAccessibility describer_;
};

}  // namespace tallyx
