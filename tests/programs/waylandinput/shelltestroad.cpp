#include "shelltestroad.h"

#include "outputs.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <algorithm>
#include <cstdio>

namespace {
const QString service = QStringLiteral("org.ringle.ShellTest");
const QString path = QStringLiteral("/org/ringle/ShellTest");
constexpr int timeoutMs = 5000;

QDBusMessage methodCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    return message;
}
} // namespace

ShellTestRoad::ShellTestRoad(const OutputLayout &layout)
    : m_layout(layout)
    , m_bus(QDBusConnection::sessionBus())
{}

bool ShellTestRoad::available()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(service).value();
}

bool ShellTestRoad::start()
{
    const QDBusMessage reply = m_bus.call(methodCall(u"PointerPosition"_qs, {}), QDBus::Block, timeoutMs);
    const QVariantList values = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || values.size() != 2) {
        std::fprintf(stderr, "waylandinput: the shell's test helper does not say where the pointer is: %s\n",
                     qPrintable(reply.errorMessage()));
        return false;
    }
    m_position = QPointF(values.at(0).toDouble(), values.at(1).toDouble());
    return true;
}

void ShellTestRoad::key(xkb_keycode_t code, bool down)
{
    call(u"Key"_qs, {uint(code - 8), down});
}

void ShellTestRoad::moveTo(QPoint at)
{
    m_position = at;
    call(u"MovePointer"_qs, {m_position.x(), m_position.y()});
}

void ShellTestRoad::moveBy(QPointF by)
{
    const QRect desktop = m_layout.desktop();
    m_position += by;
    if (!desktop.isEmpty()) {
        m_position = QPointF(std::clamp(m_position.x(), double(desktop.left()), double(desktop.right())),
                             std::clamp(m_position.y(), double(desktop.top()), double(desktop.bottom())));
    }
    call(u"MovePointer"_qs, {m_position.x(), m_position.y()});
}

void ShellTestRoad::button(uint32_t evdev, bool down)
{
    call(u"Button"_qs, {uint(evdev), down});
}

void ShellTestRoad::scroll(int steps)
{
    call(u"Scroll"_qs, {steps});
}

QByteArray ShellTestRoad::sync()
{
    QByteArray error;
    for (Pending &pending : m_pending) {
        pending.call.waitForFinished();
        if (pending.call.isError() && error.isEmpty()) {
            error = QStringLiteral("the shell's test helper answered %1 with %2")
                        .arg(pending.method, pending.call.error().message())
                        .toUtf8();
        }
    }
    m_pending.clear();
    return error;
}

void ShellTestRoad::call(const QString &method, const QVariantList &arguments)
{
    m_pending.append({method, m_bus.asyncCall(methodCall(method, arguments), timeoutMs)});
}
