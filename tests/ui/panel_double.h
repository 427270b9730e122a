#pragma once

// A mode panel that takes the keys it is told to and counts what reaches it.
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "app/panel.h"

namespace tallyx {

class PanelDouble : public Panel {
public:
    long KeyDown(std::uint32_t virtualKey) override { return Seen(true, virtualKey, takesDown); }
    long KeyUp(std::uint32_t virtualKey) override { return Seen(false, virtualKey, takesUp); }
    long Attach(const PanelContext& context) override
    {
        ++attached;
        return Panel::Attach(context);
    }

    std::set<std::uint32_t> takesDown;
    std::set<std::uint32_t> takesUp;
    // Each key that reached the panel: true for key-down.
    std::vector<std::pair<bool, std::uint32_t>> seen;
    int attached = 0;

private:
    long Seen(bool down, std::uint32_t virtualKey, const std::set<std::uint32_t>& takes)
    {
        seen.emplace_back(down, virtualKey);
        return takes.count(virtualKey) ? 1 : kNotHandled;
    }
};

}  // namespace tallyx
