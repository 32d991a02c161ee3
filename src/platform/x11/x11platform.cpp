#include "platform/x11/x11platform.h"

#include "platform/unavailableondevicemodel.h"
#include "platform/linux/atspiaccessibility.h"
#include "platform/linux/atspistatusswitch.h"
#include "platform/linux/qtscreens.h"
#include "platform/x11/x11atspiaddress.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11globalinputmonitor.h"
#include "platform/x11/x11hotkeyservice.h"
#include "platform/x11/x11keyboard.h"
#include "platform/x11/x11keyboardlayout.h"
#include "platform/x11/x11mousetap.h"
#include "platform/x11/x11sound.h"
#include "platform/x11/x11windowsystem.h"
#include "platform/x11/x11workspace.h"

std::unique_ptr<X11Platform> X11Platform::create()
{
    std::unique_ptr<X11Connection> connection = X11Connection::open();
    std::unique_ptr<X11MouseTap> mouseTap = connection ? X11MouseTap::create() : nullptr;
    if (!mouseTap)
        return nullptr;
    std::unique_ptr<X11Platform> p(new X11Platform);
    p->m_connection = std::move(connection);
    p->m_clipboard = std::make_unique<X11Clipboard>(*p->m_connection);
    p->m_keyboard = std::make_unique<X11Keyboard>(*p->m_connection);
    p->m_workspace = std::make_unique<X11Workspace>(*p->m_connection);
    p->m_screens = std::make_unique<QtScreens>();
    p->m_sound = std::make_unique<X11Sound>();
    p->m_accessibility = std::make_unique<AtspiAccessibility>(
        *p->m_workspace, AtspiAccessibility::DesktopHints{&X11AtspiAddress::fromRootWindow, {}});
    p->m_accessibilitySwitch = std::make_unique<AtspiStatusSwitch>();
    p->m_hotKeys = std::make_unique<X11HotKeyService>();
    p->m_mouseTap = std::move(mouseTap);
    p->m_inputMonitor = X11GlobalInputMonitor::create(*p->m_connection);
    // Without the input extension a result stays until the user clicks Copy or Replace.
    if (!p->m_inputMonitor)
        p->m_inputMonitor = std::make_unique<NoGlobalInputMonitor>();
    p->m_keyboardLayout = std::make_unique<X11KeyboardLayout>();
    p->m_onDeviceModel = std::make_unique<UnavailableOnDeviceModel>();
    p->m_windows = std::make_unique<X11WindowSystem>();
    return p;
}

X11Platform::~X11Platform() = default;

Platform X11Platform::platform()
{
    return {*m_clipboard,      *m_keyboard,      *m_screens,        *m_workspace,     *m_sound,
            *m_accessibility,  *m_accessibilitySwitch, *m_hotKeys,  *m_mouseTap,      *m_inputMonitor,
            *m_keyboardLayout, *m_onDeviceModel, *m_windows};
}
