#pragma once

#include <vector>

namespace tallyx {

class WindowBase;

// The window objects bound to a window now, in the order they were bound:
// the last is on top. Scripted runs and state listings walk it.
const std::vector<WindowBase*>& OpenWindows();
// The window on top, or nothing while none is open.
WindowBase* TopWindow();

// Kept by WindowBase as its objects bind and lose their windows.
void AddOpenWindow(WindowBase& window);
void RemoveOpenWindow(const WindowBase& window);

}  // namespace tallyx
