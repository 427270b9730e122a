#pragma once

#include <cstdint>

namespace tallyx {

// Window messages keep the platform's numbers, so that the private messages
// built on WM_USER (1147 a key fired, 1224 to 1226 the soft-key regions,
// 1424 a worksheet key) mean the same everywhere.
enum WindowMessage : std::uint32_t {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SYSCOLORCHANGE = 0x0015,
    WM_SETTINGCHANGE = 0x001A,
    WM_DRAWITEM = 0x002B,
    WM_MEASUREITEM = 0x002C,
    WM_COPYDATA = 0x004A,
    WM_NOTIFY = 0x004E,
    WM_HELP = 0x0053,
    WM_CONTEXTMENU = 0x007B,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_CTLCOLORBTN = 0x0135,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSEWHEEL = 0x020A,
    WM_ENTERMENULOOP = 0x0211,
    WM_EXITMENULOOP = 0x0212,
    WM_CAPTURECHANGED = 0x0215,
    WM_HOTKEY = 0x0312,
    WM_MESSAGE_1023 = 0x03FF,
    WM_USER = 0x0400,
};

// What a child control posts to its window, with the control's id as the
// first parameter. Clear of the private messages built on WM_USER.
enum ControlMessage : std::uint32_t {
    WM_CONTROL_CHANGED = WM_USER + 0x200,      // an edit box's text, a picker's value
    WM_CONTROL_SELECTED = WM_USER + 0x201,     // a drop-down's or list view's selection
    WM_CONTROL_ACTIVATED = WM_USER + 0x202,    // a list view row double-clicked or Returned
};

// Virtual-key codes of the keys Tallyx answers to.
enum VirtualKey : std::uint32_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F24 = 0x87,
};

// Key-down messages carry in their second parameter whether the key repeats
// and which of Shift and Ctrl were held with it.
enum KeyData : std::intptr_t {
    KeyDataShift = 0x02000000,
    KeyDataControl = 0x04000000,
    KeyDataRepeat = 0x40000000,
};

// Pen messages carry the point in the second parameter: x low, y high, 16
// bits each. Both keep their sign: a captured pen dragged left of or above
// the window is at negative coordinates.
constexpr std::intptr_t MakePointParameter(int x, int y)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y) & 0xFFFF) << 16 |
                                      (static_cast<std::uint32_t>(x) & 0xFFFF));
}
constexpr int PointXOf(std::intptr_t parameter) { return static_cast<std::int16_t>(parameter & 0xFFFF); }
constexpr int PointYOf(std::intptr_t parameter) { return static_cast<std::int16_t>((parameter >> 16) & 0xFFFF); }

// The wheel message carries the turn in the high 16 bits of its first
// parameter, kWheelNotch a notch, positive away from the user (up), and the
// pointer's place in the window as a pen message does.
constexpr int kWheelNotch = 120;
constexpr std::uintptr_t MakeWheelParameter(int delta)
{
    return static_cast<std::uintptr_t>((static_cast<std::uint32_t>(delta) & 0xFFFF) << 16);
}
constexpr int WheelDeltaOf(std::uintptr_t parameter) { return static_cast<std::int16_t>((parameter >> 16) & 0xFFFF); }

}  // namespace tallyx
