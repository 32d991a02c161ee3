#include "globalshortcuts/hotkey.h"

#include "globalshortcuts/hotkeycenter.h"

namespace GlobalShortcuts {

HotKey::HotKey(HotKeyCenter *center, const Shortcut &shortcut, quint32 id)
    : m_center(center)
    , m_shortcut(shortcut)
    , m_id(id)
{
}

HotKey::~HotKey()
{
    if (m_center)
        m_center->forget(*this);
}

} // namespace GlobalShortcuts
