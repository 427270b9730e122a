#include "platform/qt/qt_window_host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <array>

#include "platform/qt/qt_accessibility.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_child_controls.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

// A posted window message travelling through Qt's event queue, which keeps
// the order and may be fed from any thread.
class PostedMessageEvent : public QEvent {
public:
    static QEvent::Type EventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    PostedMessageEvent(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
        : QEvent(EventType()), message(message), first(first), second(second)
    {
    }
    const std::uint32_t message;
    const std::uintptr_t first;
    const std::intptr_t second;
};

struct KeyMapping {
    int qtKey;
    std::uint32_t virtualKey;
};

constexpr std::array<KeyMapping, 20> kKeyMappings = {{
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Delete, VK_DELETE},  {Qt::Key_Shift, VK_SHIFT},   {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_F1, VK_F1},          {Qt::Key_Insert, VK_INSERT},
}};

std::uint32_t ToVirtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return static_cast<std::uint32_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return VK_F1 + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    }
    for (const KeyMapping& mapping : kKeyMappings) {
        if (mapping.qtKey == qtKey) return mapping.virtualKey;
    }
    return 0;
}

std::intptr_t KeyDataOf(const QKeyEvent* event)
{
    std::intptr_t data = 0;
    if (event->isAutoRepeat()) data |= KeyDataRepeat;
    if (event->modifiers() & Qt::ShiftModifier) data |= KeyDataShift;
    if (event->modifiers() & Qt::ControlModifier) data |= KeyDataControl;
    return data;
}

// Ctrl with a key is a command, never typing: Ctrl+C must not also take the cosine.
bool IsCommandShortcut(const QKeyEvent* event)
{
    return (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
}

std::intptr_t PointOf(const QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    return MakePointParameter(point.x(), point.y());
}

// A control whose window is gone cannot be made.
template <class Control, class... Arguments>
std::unique_ptr<Control> MakeControl(QWidget* window, const ControlIdentity& identity, const Arguments&... arguments)
{
    if (!window) return nullptr;
    return std::make_unique<Control>(identity, arguments..., *window);
}

}  // namespace

void PostWindowMessage(QWidget* widget, std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (widget) QCoreApplication::postEvent(widget, new PostedMessageEvent(message, first, second));
}

HostWidget::HostWidget(QtWindowHost* host, QWidget* parent) : QWidget(parent), host_(host)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

WindowBase* HostWidget::Owner() const
{
    return host_ && !host_->Destroyed() ? &host_->Owner() : nullptr;
}

long HostWidget::Send(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (!host_ || host_->Destroyed()) return WindowBase::kNotHandled;
    return host_->Owner().WindowProcedure(message, first, second);
}

bool HostWidget::event(QEvent* event)
{
    if (event->type() == PostedMessageEvent::EventType()) {
        const auto* posted = static_cast<PostedMessageEvent*>(event);
        Send(posted->message, posted->first, posted->second);
        return true;
    }
    return QWidget::event(event);
}

void HostWidget::paintEvent(QPaintEvent* event)
{
    if (backing_.size() != size()) {
        backing_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        backing_.fill(Qt::black);
    }
    const QRect clip = event->rect();
    if (host_ && !host_->Destroyed()) {
        host_->ForgetPendingRegion();
        QPainter painter(&backing_);
        QtCanvas canvas(painter);
        host_->Owner().Paint(canvas, Rect::FromSize(clip.x(), clip.y(), clip.width(), clip.height()));
    }
    QPainter screen(this);
    screen.drawImage(clip, backing_, clip);
}

void HostWidget::resizeEvent(QResizeEvent* event)
{
    Send(WM_SIZE, 0, MakePointParameter(event->size().width(), event->size().height()));
}

void HostWidget::moveEvent(QMoveEvent* event)
{
    Send(WM_MOVE, 0, MakePointParameter(event->pos().x(), event->pos().y()));
}

void HostWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        Send(WM_LBUTTONDOWN, 1, PointOf(event));
    } else if (event->button() == Qt::RightButton) {
        Send(WM_RBUTTONDOWN, 2, PointOf(event));
    }
}

void HostWidget::mouseMoveEvent(QMouseEvent* event)
{
    Send(WM_MOUSEMOVE, (event->buttons() & Qt::LeftButton) ? 1 : 0, PointOf(event));
}

void HostWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        Send(WM_LBUTTONUP, 0, PointOf(event));
    } else if (event->button() == Qt::RightButton) {
        Send(WM_RBUTTONUP, 0, PointOf(event));
    }
}

void HostWidget::wheelEvent(QWheelEvent* event)
{
    const QPoint point = event->position().toPoint();
    Send(WM_MOUSEWHEEL, MakeWheelParameter(event->angleDelta().y()), MakePointParameter(point.x(), point.y()));
}

bool HostWidget::ForWindow(std::uint32_t virtualKey) const
{
    // A key a field of the window passed on is no key of the window's own
    // (a letter refused by a numeric box must not work the keypad), except
    // the function keys, which drive the soft keys wherever the focus is.
    const bool fieldHasFocus = host_ && host_->FocusedControl() && host_->FocusedControl()->HasFocus();
    return !fieldHasFocus || (virtualKey >= VK_F1 && virtualKey <= VK_F24);
}

void HostWidget::keyPressEvent(QKeyEvent* event)
{
    const std::uint32_t virtualKey = ToVirtualKey(event->key());
    if (!ForWindow(virtualKey)) return;
    if (virtualKey) {
        Send(WM_KEYDOWN, virtualKey, KeyDataOf(event));
    }
    if (IsCommandShortcut(event)) return;
    for (const QChar character : event->text()) {
        Send(WM_CHAR, character.unicode(), 0);
    }
}

void HostWidget::keyReleaseEvent(QKeyEvent* event)
{
    const std::uint32_t virtualKey = ToVirtualKey(event->key());
    if (virtualKey && !event->isAutoRepeat() && ForWindow(virtualKey)) {
        Send(WM_KEYUP, virtualKey, 0);
    }
}

void HostWidget::timerEvent(QTimerEvent* event)
{
    if (host_) {
        Send(WM_TIMER, host_->TimerIdFor(event->timerId()), 0);
    }
}

void HostWidget::closeEvent(QCloseEvent* event)
{
    // The object decides: the main window quits, a dialog ends.
    event->ignore();
    Send(WM_CLOSE, 0, 0);
}

void HostWidget::focusInEvent(QFocusEvent*)
{
    Send(WM_SETFOCUS, 0, 0);
}

void HostWidget::focusOutEvent(QFocusEvent*)
{
    Send(WM_KILLFOCUS, 0, 0);
}

void HostWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        Send(WM_ACTIVATE, isActiveWindow() ? 1 : 0, 0);
    }
    QWidget::changeEvent(event);
}

bool HostWidget::focusNextPrevChild(bool)
{
    // Tab is a key of the worksheets, not a focus move.
    return false;
}

QtWindowHost::QtWindowHost(WindowBase& owner, QWidget* parent, const std::wstring& title, const Rect& frame, bool)
    : owner_(owner), widget_(new HostWidget(this, parent))
{
    widget_->setWindowTitle(QString::fromStdWString(title));
    const Rect placed = frame.IsEmpty() && parent ? Rect{0, 0, parent->width(), parent->height()} : frame;
    widget_->setGeometry(placed.left, placed.top, std::max(1, placed.Width()), std::max(1, placed.Height()));
    // Remembered so that a keypad drawn in the window can type into the
    // field the user was in after the tap took the focus.
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, widget_, [this](QWidget*, QWidget* now) {
        if (now && now != widget_ && widget_->isAncestorOf(now) && ControlOfWidget(now)) lastFocusedControl_ = now;
    });
}

QtWindowHost::~QtWindowHost()
{
    QObject::disconnect(focusWatch_);
    if (widget_) {
        widget_->Detach();
        widget_->hide();
        widget_->deleteLater();
    }
}

Rect QtWindowHost::ClientRect() const
{
    return widget_ ? Rect{0, 0, widget_->width(), widget_->height()} : Rect{};
}

void QtWindowHost::Show()
{
    if (!widget_) return;
    widget_->show();
    widget_->raise();
    widget_->setFocus();
}

void QtWindowHost::SetTitle(const std::wstring& title)
{
    if (widget_) widget_->setWindowTitle(QString::fromStdWString(title));
}

void QtWindowHost::Resize(int width, int height)
{
    if (widget_) widget_->resize(width, height);
}

void QtWindowHost::Invalidate(const Rect& rect)
{
    invalidations_.push_back(rect);
    pendingRegion_ += ToQRect(rect);
    if (widget_) widget_->update(ToQRect(rect));
    NoteAccessibleChange(widget_.data());
}

void QtWindowHost::InvalidateAll()
{
    Invalidate(ClientRect());
}

void QtWindowHost::Update()
{
    if (widget_ && !pendingRegion_.isEmpty()) widget_->repaint(pendingRegion_);
}

void QtWindowHost::PostMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    PostWindowMessage(widget_.data(), message, first, second);
}

void QtWindowHost::SetTimer(std::uintptr_t id, int milliseconds)
{
    KillTimer(id);
    if (widget_) timers_[id] = widget_->startTimer(milliseconds);
}

void QtWindowHost::KillTimer(std::uintptr_t id)
{
    const auto timer = timers_.find(id);
    if (timer == timers_.end()) return;
    if (widget_) widget_->killTimer(timer->second);
    timers_.erase(timer);
}

std::uintptr_t QtWindowHost::TimerIdFor(int qtTimer) const
{
    for (const auto& [id, timer] : timers_) {
        if (timer == qtTimer) return id;
    }
    return 0;
}

void QtWindowHost::SetCapture()
{
    if (widget_ && !hasCapture_) {
        widget_->grabMouse();
        hasCapture_ = true;
    }
}

void QtWindowHost::ReleaseCapture()
{
    if (widget_ && hasCapture_) {
        widget_->releaseMouse();
        hasCapture_ = false;
    }
}

void QtWindowHost::BringToFront()
{
    if (!widget_) return;
    QWidget* window = widget_->window();
    window->showNormal();
    window->raise();
    window->activateWindow();
}

void QtWindowHost::Destroy()
{
    if (destroyed_) return;
    for (const auto& timer : timers_) {
        if (widget_) widget_->killTimer(timer.second);
    }
    timers_.clear();
    ReleaseCapture();
    owner_.WindowProcedure(WM_DESTROY, 0, 0);
    destroyed_ = true;
    if (modalLoop_) modalLoop_->exit();
    if (!widget_) return;
    // Tab moves no focus here, so a closing window hands the keyboard back to
    // the window it covered itself.
    QWidget* parent = widget_->parentWidget();
    if (widget_->hasFocus() && parent) parent->setFocus();
    widget_->hide();
}

std::unique_ptr<Image> QtWindowHost::CreateImage(int width, int height) const
{
    return std::make_unique<QtImage>(width, height);
}

void QtWindowHost::EndModal(long result)
{
    modalResult_ = result;
    if (modalLoop_) modalLoop_->exit();
}

std::unique_ptr<Image> QtWindowHost::Grab()
{
    if (!widget_) return std::make_unique<QtImage>(1, 1);
    return std::make_unique<QtImage>(widget_->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

std::unique_ptr<EditBox> QtWindowHost::CreateEditBox(const ControlIdentity& identity, const EditOptions& options)
{
    return MakeControl<QtEditBox>(widget_.data(), identity, options);
}

std::unique_ptr<DropDownList> QtWindowHost::CreateDropDownList(const ControlIdentity& identity)
{
    return MakeControl<QtDropDownList>(widget_.data(), identity);
}

std::unique_ptr<ListView> QtWindowHost::CreateListView(const ControlIdentity& identity)
{
    return MakeControl<QtListView>(widget_.data(), identity);
}

std::unique_ptr<DatePicker> QtWindowHost::CreateDatePicker(const ControlIdentity& identity)
{
    return MakeControl<QtDatePicker>(widget_.data(), identity);
}

std::unique_ptr<TimePicker> QtWindowHost::CreateTimePicker(const ControlIdentity& identity)
{
    return MakeControl<QtTimePicker>(widget_.data(), identity);
}

std::vector<ChildControl*> QtWindowHost::Controls() const
{
    std::vector<ChildControl*> controls;
    if (!widget_) return controls;
    for (const QWidget* child : widget_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ChildControl* control = ControlOfWidget(child)) controls.push_back(control);
    }
    return controls;
}

ChildControl* QtWindowHost::FocusedControl() const
{
    if (!widget_) return nullptr;
    const QWidget* focused = QApplication::focusWidget();
    if (focused && focused != widget_ && widget_->isAncestorOf(focused)) {
        if (ChildControl* control = ControlOfWidget(focused)) return control;
    }
    // A field hidden since (its panel left the screen) takes no more keys.
    ChildControl* last = ControlOfWidget(lastFocusedControl_.data());
    return last && last->IsVisible() ? last : nullptr;
}

long QtWindowHost::RunModalLoop()
{
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = 0;
    if (!destroyed_) loop.exec();
    modalLoop_ = nullptr;
    return modalResult_;
}

std::unique_ptr<WindowHost> QtWindowFactory::CreateWindow(WindowBase& owner, WindowHost* parent,
                                                          const std::wstring& title, const Rect& frame, bool modal)
{
    QWidget* parentWidget = parent ? static_cast<QtWindowHost*>(parent)->Widget() : nullptr;
    return std::make_unique<QtWindowHost>(owner, parentWidget, title, frame, modal);
}

long QtWindowFactory::RunModal(WindowHost& host)
{
    return static_cast<QtWindowHost&>(host).RunModalLoop();
}

void QtWindowFactory::Quit(int status)
{
    QCoreApplication::exit(status);
}

}  // namespace tallyx
