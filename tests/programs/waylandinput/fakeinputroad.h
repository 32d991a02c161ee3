#pragma once

// KWin's fake input: KWin reads the keys with its own keymap (the same names: keep XKB_DEFAULT_*
// alike for both) and works the modifiers out from them.
#include "inputroad.h"

struct org_kde_kwin_fake_input;

class FakeInputRoad final : public InputRoad {
public:
    FakeInputRoad(WaylandConnection &connection, org_kde_kwin_fake_input *fakeInput);

    void key(xkb_keycode_t code, bool down) override;
    // In desktop coordinates already.
    void moveTo(QPoint at) override;
    void moveBy(QPointF by) override;
    void button(uint32_t evdev, bool down) override;
    void scroll(int steps) override;
    QByteArray sync() override { return roundtripped(m_connection); }

private:
    WaylandConnection &m_connection;
    org_kde_kwin_fake_input *m_fakeInput;
};
