#pragma once

#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;

// With the "ringle.settings.wheel" debug category on, says where the tab's named controls, its
// sidebar rows and the items of its open menus are on the screen, so that tests can drive the
// running app with real pointer clicks. Does nothing otherwise.
class WheelSettingsProbe final : public QObject {
    Q_OBJECT
public:
    explicit WheelSettingsProbe(QWidget &view);

    // Reports the controls once things have settled.
    void schedule();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportControls();

    QWidget &m_view;
    QTimer *m_timer = nullptr;
};
