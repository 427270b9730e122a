#pragma once

// Turns the mouse wheel over a window as the desktop does: a Qt wheel event
// on the window's widget, which the host turns into a wheel message.
#include <QCoreApplication>
#include <QWheelEvent>

#include "platform/qt/qt_window_host.h"
#include "platform/window_messages.h"
#include "ui/window_base.h"

namespace tallyx {

// notches: positive away from the user (up), negative towards (down).
inline void TurnWheel(WindowBase& window, int notches)
{
    QWidget* widget = static_cast<QtWindowHost*>(window.Window())->Widget();
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, notches * kWheelNotch), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}

}  // namespace tallyx
