#pragma once

#include <QEventLoop>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <map>
#include <vector>

#include "ui/window_base.h"
#include "ui/window_host.h"

namespace tallyx {

class QtWindowHost;

// Queues a window message for the window behind widget; safe from any thread.
void PostWindowMessage(QWidget* widget, std::uint32_t message, std::uintptr_t first, std::intptr_t second);

// The Qt widget behind a window: turns Qt's events into window messages for
// its object, and paints into an off-screen image of which only the clip box
// is copied to the screen.
class HostWidget : public QWidget {
public:
    HostWidget(QtWindowHost* host, QWidget* parent);
    void Detach() { host_ = nullptr; }
    // The window object behind the widget, or nothing once it is gone.
    WindowBase* Owner() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    long Send(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    bool ForWindow(std::uint32_t virtualKey) const;

    QtWindowHost* host_;
    QImage backing_;
};

class QtWindowHost : public WindowHost {
public:
    QtWindowHost(WindowBase& owner, QWidget* parent, const std::wstring& title, const Rect& frame, bool modal);
    ~QtWindowHost() override;

    Rect ClientRect() const override;
    void Show() override;
    void SetTitle(const std::wstring& title) override;
    void Resize(int width, int height) override;
    void Invalidate(const Rect& rect) override;
    void InvalidateAll() override;
    void Update() override;
    void PostMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    void SetTimer(std::uintptr_t id, int milliseconds) override;
    void KillTimer(std::uintptr_t id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void BringToFront() override;
    void Destroy() override;
    std::unique_ptr<Image> CreateImage(int width, int height) const override;
    void EndModal(long result) override;
    std::unique_ptr<Image> Grab() override;
    std::unique_ptr<EditBox> CreateEditBox(const ControlIdentity& identity, const EditOptions& options) override;
    std::unique_ptr<DropDownList> CreateDropDownList(const ControlIdentity& identity) override;
    std::unique_ptr<ListView> CreateListView(const ControlIdentity& identity) override;
    std::unique_ptr<DatePicker> CreateDatePicker(const ControlIdentity& identity) override;
    std::unique_ptr<TimePicker> CreateTimePicker(const ControlIdentity& identity) override;
    std::vector<ChildControl*> Controls() const override;
    ChildControl* FocusedControl() const override;

    QWidget* Widget() const { return widget_; }
    WindowBase& Owner() const { return owner_; }
    bool Destroyed() const { return destroyed_; }
    // The rectangles invalidated since the log was last cleared (tests count them).
    const std::vector<Rect>& InvalidationLog() const { return invalidations_; }
    void ClearInvalidationLog() { invalidations_.clear(); }
    long RunModalLoop();
    std::uintptr_t TimerIdFor(int qtTimer) const;
    void ForgetPendingRegion() { pendingRegion_ = QRegion(); }

private:
    WindowBase& owner_;
    QPointer<HostWidget> widget_;
    bool destroyed_ = false;
    bool hasCapture_ = false;
    std::map<std::uintptr_t, int> timers_;  // window timer id -> Qt timer id
    std::vector<Rect> invalidations_;
    QRegion pendingRegion_;  // invalidated but not yet painted
    QEventLoop* modalLoop_ = nullptr;
    long modalResult_ = 0;
    QPointer<QWidget> lastFocusedControl_;
    QMetaObject::Connection focusWatch_;
};

// Makes Qt windows; installed by the program (and GUI tests) at start.
class QtWindowFactory : public WindowFactory {
public:
    std::unique_ptr<WindowHost> CreateWindow(WindowBase& owner, WindowHost* parent, const std::wstring& title,
                                             const Rect& frame, bool modal) override;
    long RunModal(WindowHost& host) override;
    void Quit(int status) override;
};

}  // namespace tallyx
