#pragma once

#include <QObject>

// Requests any part of the app may raise without knowing who answers them; the application shell
// answers. One instance lives as long as the application and is passed to whoever raises them.
class AppNotifications final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // Bring up the settings on the General tab (the Ask window's settings link raises it).
    void openRingleSettings();
};
