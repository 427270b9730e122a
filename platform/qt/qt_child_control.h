#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_window_host.h"
#include "ui/child_control.h"

namespace tallyx {

// The control a widget belongs to, the widget being the control's own or
// one inside it; null for any other widget.
ChildControl* ControlOfWidget(const QWidget* widget);
// Marks a widget as the one of control.
void TagControlWidget(QWidget& widget, ChildControl& control);

// What every control does through its Qt widget, a child of the window's
// widget. Interface is the kind of control, Widget the Qt class behind it.
template <class Interface, class Widget>
class QtChildControl : public Interface {
public:
    QtChildControl(ControlIdentity identity, QWidget& window)
        : identity_(std::move(identity)), widget_(new Widget(&window))
    {
        widget_->hide();
        TagControlWidget(*widget_, *this);
    }
    ~QtChildControl() override { delete widget_.data(); }
    QtChildControl(const QtChildControl&) = delete;
    QtChildControl& operator=(const QtChildControl&) = delete;

    const ControlIdentity& Identity() const override { return identity_; }
    void Place(const Rect& rect) override
    {
        if (widget_) widget_->setGeometry(ToQRect(rect));
    }
    Rect Placement() const override
    {
        if (!widget_) return {};
        const QRect placed = widget_->geometry();
        return Rect::FromSize(placed.x(), placed.y(), placed.width(), placed.height());
    }
    void SetVisible(bool visible) override
    {
        if (!widget_) return;
        // A hidden field keeps the focus unless told; the keys go back to its window.
        if (!visible && widget_->hasFocus()) widget_->parentWidget()->setFocus(Qt::OtherFocusReason);
        widget_->setVisible(visible);
    }
    bool IsVisible() const override { return widget_ && widget_->isVisible(); }
    void SetFont(const FontSpec& font) override
    {
        if (widget_) widget_->setFont(ToQFont(font));
    }
    void Focus() override
    {
        if (widget_) widget_->setFocus(Qt::OtherFocusReason);
    }
    bool HasFocus() const override { return widget_ && widget_->hasFocus(); }
    void Type(wchar_t character) override
    {
        if (!widget_) return;
        // Keys land where the user's field is: a picker edits the section
        // it had, not wherever its cursor fell when it lost the focus.
        if (!widget_->hasFocus()) widget_->setFocus(Qt::OtherFocusReason);
        const bool backspace = character == L'\b';
        const QString text = backspace ? QString() : QString(QChar(static_cast<char16_t>(character)));
        // Qt's keys for digits and letters are their upper-case characters.
        const int key = backspace ? static_cast<int>(Qt::Key_Backspace) : text.toUpper().front().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget_.data(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget_.data(), &release);
    }

protected:
    // Null once the window, and with it the widget, is gone.
    Widget* View() const { return widget_.data(); }
    // Tells the window of a change the user made.
    void Notify(std::uint32_t message) const
    {
        if (widget_) PostWindowMessage(widget_->parentWidget(), message, static_cast<std::uintptr_t>(identity_.id), 0);
    }

private:
    ControlIdentity identity_;
    QPointer<Widget> widget_;
};

}  // namespace tallyx
