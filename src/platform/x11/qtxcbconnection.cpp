#include "platform/x11/qtxcbconnection.h"

#include <QGuiApplication>

xcb_connection_t *qtXcbConnection()
{
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return nullptr;
    const auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
