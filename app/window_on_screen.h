#pragma once

#include <memory>
#include <string>

#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

class WindowBase;

// What the desktop shows of a window object's window: its title, where its
// client area sits in the top-level window that holds it, and that
// top-level window as drawn, with every window over it.
std::wstring ShownTitle(const WindowBase& window);
Point OriginInTopLevel(const WindowBase& window);
std::unique_ptr<Image> GrabTopLevel(const WindowBase& window);

}  // namespace tallyx
