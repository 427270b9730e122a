#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

namespace tallyx {

// Takes every address the program hands to the desktop, so that a walk that
// opens the guide or a web page starts no other program.
class DesktopStandIn : public QObject {
    Q_OBJECT
public:
    DesktopStandIn()
    {
        for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~DesktopStandIn() override
    {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    Q_INVOKABLE void Open(const QUrl&) { ++opened; }

    int opened = 0;

private:
    static constexpr const char* kSchemes[] = {"file", "http", "https", "mailto"};
};

}  // namespace tallyx
