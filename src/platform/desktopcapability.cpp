#include "platform/desktopcapability.h"

#include <QCoreApplication>

QString DesktopCapability::title(Kind kind)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("DesktopCapability", text); };
    switch (kind) {
    case Kind::shortcut:
        return tr("Shortcut");
    case Kind::mouseTrigger:
        return tr("Mouse trigger");
    case Kind::overlay:
        return tr("Wheel and panels");
    case Kind::clipboard:
        return tr("Clipboard");
    case Kind::keystrokes:
        return tr("Keystrokes");
    case Kind::frontApplication:
        return tr("App in front");
    case Kind::accessibility:
        return tr("Accessibility");
    case Kind::tray:
        return tr("Tray");
    case Kind::modelServer:
        return tr("Model server");
    }
    return {};
}

bool DesktopCapability::isEssential(Kind kind)
{
    return kind == Kind::shortcut || kind == Kind::overlay || kind == Kind::clipboard || kind == Kind::keystrokes
        || kind == Kind::modelServer;
}
