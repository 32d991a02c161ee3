#pragma once

#include "platform/menutracker.h"

// A menu tracker for tests: the test opens and closes "menus".
class FakeMenuTracker final : public MenuTracker {
    Q_OBJECT
public:
    using MenuTracker::MenuTracker;

    bool isMenuOpen() const override { return m_open; }
    void setMenuOpen(bool open)
    {
        if (m_open == open)
            return;
        m_open = open;
        Q_EMIT menuOpenChanged(open);
    }

private:
    bool m_open = false;
};
