#pragma once

#include "platform/menutracker.h"

#include <QSet>

// Watches every QMenu of the application (through an application-wide event filter) and reports
// while at least one is shown. An open Qt menu grabs the keyboard, which holds hot keys back.
class QtMenuTracker final : public MenuTracker {
    Q_OBJECT
public:
    explicit QtMenuTracker(QObject *parent = nullptr);
    ~QtMenuTracker() override;

    bool isMenuOpen() const override { return !m_openMenus.isEmpty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setOpen(QObject *menu, bool open);

    QSet<QObject *> m_openMenus;
};
