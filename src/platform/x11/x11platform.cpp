#include "platform/x11/x11platform.h"

#include "platform/x11/qtscreens.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11keyboard.h"
#include "platform/x11/x11sound.h"
#include "platform/x11/x11workspace.h"

std::unique_ptr<X11Platform> X11Platform::create()
{
    std::unique_ptr<X11Connection> connection = X11Connection::open();
    if (!connection)
        return nullptr;
    std::unique_ptr<X11Platform> p(new X11Platform);
    p->m_connection = std::move(connection);
    p->m_clipboard = std::make_unique<X11Clipboard>(*p->m_connection);
    p->m_keyboard = std::make_unique<X11Keyboard>(*p->m_connection);
    p->m_workspace = std::make_unique<X11Workspace>(*p->m_connection);
    p->m_screens = std::make_unique<QtScreens>();
    p->m_sound = std::make_unique<X11Sound>();
    return p;
}

X11Platform::~X11Platform() = default;

Platform X11Platform::platform()
{
    return {*m_clipboard, *m_keyboard, *m_screens, *m_workspace, *m_sound};
}
