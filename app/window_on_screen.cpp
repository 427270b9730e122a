#include "app/window_on_screen.h"

#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_window_host.h"

namespace tallyx {
namespace {

// The desktop program makes its windows through the Qt factory; a window
// made otherwise has nothing on screen to tell.
QWidget* WidgetOf(const WindowBase& window)
{
    const auto* host = dynamic_cast<const QtWindowHost*>(window.Window());
    return host ? host->Widget() : nullptr;
}

}  // namespace

std::wstring ShownTitle(const WindowBase& window)
{
    const QWidget* widget = WidgetOf(window);
    return widget ? widget->windowTitle().toStdWString() : std::wstring();
}

Point OriginInTopLevel(const WindowBase& window)
{
    const QWidget* widget = WidgetOf(window);
    if (!widget) return {};
    const QPoint origin = widget->mapTo(widget->window(), QPoint(0, 0));
    return {origin.x(), origin.y()};
}

std::unique_ptr<Image> GrabTopLevel(const WindowBase& window)
{
    QWidget* widget = WidgetOf(window);
    if (!widget) return std::make_unique<QtImage>(1, 1);
    return std::make_unique<QtImage>(widget->window()->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

}  // namespace tallyx
