#include "ui/open_windows.h"

#include <algorithm>

namespace tallyx {
namespace {

// Windows live on the user-interface thread only, so one list serves.
std::vector<WindowBase*>& Windows()
{
    static std::vector<WindowBase*> windows;
    return windows;
}

}  // namespace

const std::vector<WindowBase*>& OpenWindows()
{
    return Windows();
}

WindowBase* TopWindow()
{
    return Windows().empty() ? nullptr : Windows().back();
}

void AddOpenWindow(WindowBase& window)
{
    RemoveOpenWindow(window);
    Windows().push_back(&window);
}

void RemoveOpenWindow(const WindowBase& window)
{
    std::erase(Windows(), &window);
}

}  // namespace tallyx
