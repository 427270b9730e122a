#include "platform/qt/qt_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/qt/qt_window_host.h"
#include "platform/window_messages.h"
#include "ui/accessible_node.h"

namespace tallyx {
namespace {

class HostAccessible;

AnnouncementListener& Listener()
{
    static AnnouncementListener listener;
    return listener;
}

void Tell(QAccessibleEvent& event)
{
    if (Listener()) Listener()(event);
    QAccessible::updateAccessibility(&event);
}

QString ToQString(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

QAccessible::Role ToQtRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Button: return QAccessible::Button;
    case AccessibleRole::Text: return QAccessible::StaticText;
    case AccessibleRole::List: return QAccessible::List;
    case AccessibleRole::ListItem: return QAccessible::ListItem;
    }
    return QAccessible::NoRole;
}

// Lives beside a host widget once a screen reader has looked at it, and
// gathers the changes of one turn of the event loop into one announcement.
class ChangeWatch : public QObject {
public:
    static constexpr const char* kName = "tallyx-accessible-change-watch";

    explicit ChangeWatch(QWidget* widget) : QObject(widget) { setObjectName(kName); }
    bool pending = false;
};

ChangeWatch* WatchOf(QWidget* widget)
{
    // Only this file names an object so.
    if (!widget) return nullptr;
    return static_cast<ChangeWatch*>(widget->findChild<QObject*>(ChangeWatch::kName, Qt::FindDirectChildrenOnly));
}

// One node, found by its place in the host's current nodes. A text node's
// value is its text, read-only and without selection.
class NodeAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleTextInterface {
public:
    NodeAccessible(HostAccessible& host, int index) : host_(host), index_(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return static_cast<int>(Value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString Value() const;

    const AccessibleNode* Node() const;

    HostAccessible& host_;
    const int index_;
};

// The host widget: its child widgets (edit boxes, lists) first, then the
// window's top-level nodes.
class HostAccessible : public QAccessibleWidget {
public:
    explicit HostAccessible(HostWidget* widget) : QAccessibleWidget(widget, QAccessible::Client)
    {
        if (!WatchOf(widget)) new ChangeWatch(widget);
        Refresh();
        announced_ = nodes_;
    }
    ~HostAccessible() override
    {
        for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        Refresh();
        return QAccessibleWidget::childCount() + static_cast<int>(ChildrenOf(AccessibleNode::kTopLevel).size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const std::vector<int> nodes = ChildrenOf(AccessibleNode::kTopLevel);
        const auto place = static_cast<std::size_t>(index - widgets);
        return place < nodes.size() ? Node(nodes[place]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        const int place = PlaceAmong(AccessibleNode::kTopLevel, child);
        return place >= 0 ? widgets + place : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (QAccessibleInterface* found = QAccessibleWidget::childAt(x, y)) return found;
        return NodeAt(AccessibleNode::kTopLevel, x, y);
    }

    const std::vector<AccessibleNode>& Nodes() const { return nodes_; }
    HostWidget* Host() const { return static_cast<HostWidget*>(widget()); }

    // The interface of node index; the same one each time.
    QAccessibleInterface* Node(int index) const
    {
        while (ids_.size() <= static_cast<std::size_t>(index)) {
            const int next = static_cast<int>(ids_.size());
            ids_.push_back(QAccessible::registerAccessibleInterface(
                new NodeAccessible(const_cast<HostAccessible&>(*this), next)));
        }
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }
    std::vector<int> ChildrenOf(int parent) const
    {
        std::vector<int> children;
        for (std::size_t index = 0; index < nodes_.size(); ++index) {
            if (nodes_[index].parent == parent) children.push_back(static_cast<int>(index));
        }
        return children;
    }
    int PlaceAmong(int parent, const QAccessibleInterface* child) const
    {
        const std::vector<int> children = ChildrenOf(parent);
        for (std::size_t place = 0; place < children.size(); ++place) {
            if (static_cast<std::size_t>(children[place]) < ids_.size() && Node(children[place]) == child) {
                return static_cast<int>(place);
            }
        }
        return -1;
    }
    QAccessibleInterface* NodeAt(int parent, int x, int y) const
    {
        for (const int index : ChildrenOf(parent)) {
            if (Node(index)->rect().contains(x, y)) return Node(index);
        }
        return nullptr;
    }
    QRect ScreenRect(const Rect& rect) const
    {
        return QRect(widget()->mapToGlobal(QPoint(rect.left, rect.top)), QSize(rect.Width(), rect.Height()));
    }

    void Refresh() const
    {
        WindowBase* owner = Host()->Owner();
        nodes_ = owner ? DescribeAccessible(*owner) : std::vector<AccessibleNode>{};
    }

    // Tells of what changed since the last announcement: a new value for each
    // text node that stayed, or a reorder when the nodes themselves changed.
    void Announce()
    {
        Refresh();
        const std::vector<AccessibleNode> before = std::exchange(announced_, nodes_);
        if (!SameNodes(before, nodes_)) {
            QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
            Tell(reorder);
            return;
        }
        for (std::size_t index = 0; index < nodes_.size(); ++index) {
            if (nodes_[index].role != AccessibleRole::Text || nodes_[index].value == before[index].value) continue;
            QAccessibleInterface* node = Node(static_cast<int>(index));
            const QString value = ToQString(nodes_[index].value);
            QAccessibleValueChangeEvent change(node, value);
            Tell(change);
            QAccessibleTextUpdateEvent update(node, 0, ToQString(before[index].value), value);
            Tell(update);
        }
    }

private:
    static bool SameNodes(const std::vector<AccessibleNode>& one, const std::vector<AccessibleNode>& other)
    {
        if (one.size() != other.size()) return false;
        for (std::size_t index = 0; index < one.size(); ++index) {
            if (one[index].role != other[index].role || one[index].name != other[index].name ||
                one[index].parent != other[index].parent) {
                return false;
            }
        }
        return true;
    }

    mutable std::vector<AccessibleNode> nodes_;
    std::vector<AccessibleNode> announced_;  // as last told, which reading the tree does not change
    mutable std::vector<QAccessible::Id> ids_;  // one per node place, made on first use
};

const AccessibleNode* NodeAccessible::Node() const
{
    const auto& nodes = host_.Nodes();
    return static_cast<std::size_t>(index_) < nodes.size() ? &nodes[static_cast<std::size_t>(index_)] : nullptr;
}

bool NodeAccessible::isValid() const
{
    return host_.isValid() && Node();
}

QWindow* NodeAccessible::window() const
{
    return host_.window();
}

QAccessibleInterface* NodeAccessible::parent() const
{
    const AccessibleNode* node = Node();
    if (!node || node->parent == AccessibleNode::kTopLevel) return &host_;
    return host_.Node(node->parent);
}

QAccessibleInterface* NodeAccessible::child(int index) const
{
    const std::vector<int> children = host_.ChildrenOf(index_);
    return index >= 0 && static_cast<std::size_t>(index) < children.size() ? host_.Node(children[index]) : nullptr;
}

int NodeAccessible::childCount() const
{
    return static_cast<int>(host_.ChildrenOf(index_).size());
}

int NodeAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return host_.PlaceAmong(index_, child);
}

QAccessibleInterface* NodeAccessible::childAt(int x, int y) const
{
    return host_.NodeAt(index_, x, y);
}

QString NodeAccessible::text(QAccessible::Text kind) const
{
    const AccessibleNode* node = Node();
    if (!node) return {};
    switch (kind) {
    case QAccessible::Name: return ToQString(node->name);
    case QAccessible::Value: return Value();
    default: return {};
    }
}

QString NodeAccessible::Value() const
{
    const AccessibleNode* node = Node();
    return node ? ToQString(node->value) : QString();
}

QString NodeAccessible::text(int startOffset, int endOffset) const
{
    const QString value = Value();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(value.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(value.size()));
    return value.mid(startOffset, endOffset - startOffset);
}

QRect NodeAccessible::rect() const
{
    const AccessibleNode* node = Node();
    return node ? host_.ScreenRect(node->rect) : QRect();
}

QAccessible::Role NodeAccessible::role() const
{
    const AccessibleNode* node = Node();
    return node ? ToQtRole(node->role) : QAccessible::NoRole;
}

QAccessible::State NodeAccessible::state() const
{
    QAccessible::State state;
    const AccessibleNode* node = Node();
    if (!node) {
        state.invalid = true;
        return state;
    }
    state.readOnly = node->role == AccessibleRole::Text;
    state.checkable = node->checked;
    state.checked = node->checked;
    state.disabled = node->disabled;
    return state;
}

void* NodeAccessible::interface_cast(QAccessible::InterfaceType type)
{
    const AccessibleNode* node = Node();
    if (type == QAccessible::ActionInterface && node && IsPressable(*node)) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    if (type == QAccessible::TextInterface && node && node->role == AccessibleRole::Text) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return nullptr;
}

QStringList NodeAccessible::actionNames() const
{
    const AccessibleNode* node = Node();
    return node && IsPressable(*node) ? QStringList{pressAction()} : QStringList{};
}

void NodeAccessible::doAction(const QString& actionName)
{
    const AccessibleNode* node = Node();
    if (!node || !IsPressable(*node) || actionName != pressAction()) return;
    // Posted, so that a press that opens a modal window does not hold up
    // the screen reader's call.
    const Rect& rect = node->rect;
    const std::intptr_t middle = MakePointParameter(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
    PostWindowMessage(host_.Host(), WM_LBUTTONDOWN, 1, middle);
    PostWindowMessage(host_.Host(), WM_LBUTTONUP, 0, middle);
}

QAccessibleInterface* HostFactory(const QString&, QObject* object)
{
    auto* widget = dynamic_cast<HostWidget*>(object);
    return widget ? new HostAccessible(widget) : nullptr;
}

}  // namespace

void InstallAccessibility()
{
    // Qt keeps every factory installed; one is enough however often this is called.
    static const bool installed = [] {
        QAccessible::installFactory(HostFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void SetAnnouncementListener(AnnouncementListener listener)
{
    Listener() = std::move(listener);
}

void NoteAccessibleChange(QWidget* widget)
{
    ChangeWatch* watch = WatchOf(widget);
    if (!watch || watch->pending) return;
    watch->pending = true;
    QTimer::singleShot(0, watch, [watch, widget] {
        watch->pending = false;
        if (auto* host = dynamic_cast<HostAccessible*>(QAccessible::queryAccessibleInterface(widget))) host->Announce();
    });
}

}  // namespace tallyx
