#pragma once

#include <QObject>

// Tells when a menu of the application is open. While it is, the system holds hot keys back.
class MenuTracker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isMenuOpen() const = 0;

Q_SIGNALS:
    void menuOpenChanged(bool isOpen);
};
