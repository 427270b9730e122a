#pragma once

#include "platform/notifier.h"

class QWidget;

namespace tallyx {

// Message boxes through Qt, over the given parent window.
class QtNotifier : public Notifier {
public:
    explicit QtNotifier(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    NotifierAnswer ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon icon,
                               NotifierButtons buttons) override;

private:
    QWidget* parent_;
};

}  // namespace tallyx
