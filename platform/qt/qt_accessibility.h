#pragma once

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace tallyx {

// Shows each window's accessible nodes to screen readers through Qt's
// accessibility: the host widget's children are the nodes, and a button's
// press action taps it.
void InstallAccessibility();

// Hears every announcement as well as Qt's accessibility does, which listens
// only while a screen reader runs (so never on the offscreen platform).
using AnnouncementListener = std::function<void(QAccessibleEvent& event)>;
void SetAnnouncementListener(AnnouncementListener listener);

// The window behind widget changed its drawing: once control returns to the
// event loop, text nodes whose value changed are announced. Does nothing
// until a screen reader has looked at the window.
void NoteAccessibleChange(QWidget* widget);

}  // namespace tallyx
