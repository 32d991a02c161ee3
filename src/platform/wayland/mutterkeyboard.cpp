#include "platform/wayland/mutterkeyboard.h"

#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcMutterKeys, "ringle.wayland.keys")
} // namespace

MutterKeyboard::MutterKeyboard(WaylandSeat &seat, MutterRemoteDesktop &session, QObject *parent)
    : QObject(parent)
    , SeatKeyboard(seat)
    , m_remote(session)
{
    m_warmUp.setSingleShot(true);
    m_warmUp.setInterval(warmUp);
    connect(&m_warmUp, &QTimer::timeout, this, &MutterKeyboard::sendNextKey);
    connect(&m_remote, &MutterRemoteDesktop::stateChanged, this, &MutterKeyboard::sessionChanged);
    if (m_remote.isRunning())
        sessionChanged();
    else
        m_remote.start();
}

bool MutterKeyboard::ready()
{
    // A session GNOME Shell ended (a restart) is made again for the next keys.
    if (!m_remote.isRunning())
        m_remote.start();
    return m_remote.isRunning();
}

const char *MutterKeyboard::whyNotReady() const
{
    m_why = m_remote.whyNotReady().toUtf8();
    return m_why.constData();
}

void MutterKeyboard::sessionChanged()
{
    if (!m_remote.isRunning()) {
        if (!m_keys.isEmpty())
            qCInfo(lcMutterKeys) << m_keys.size() << "keys were not sent:" << whyNotReady();
        m_keys.clear();
        m_warmUp.stop();
        return;
    }
    // Once per session, before any real key: the keyboard device is made with its first press.
    m_keys.prepend({harmlessKey, false});
    m_keys.prepend({harmlessKey, true});
    if (!m_keyInFlight)
        sendNextKey();
}

void MutterKeyboard::send(quint32 keycode, bool down)
{
    m_keys.append({keycode - 8, down});
    if (!m_keyInFlight && !m_warmUp.isActive())
        sendNextKey();
}

void MutterKeyboard::sendNextKey()
{
    if (m_keys.isEmpty() || m_warmUp.isActive())
        return;
    const auto [code, down] = m_keys.takeFirst();
    // One at a time, so that a key cannot overtake the one before it on its way to the seat.
    m_keyInFlight = true;
    auto *watcher = new QDBusPendingCallWatcher(m_remote.call(u"NotifyKeyboardKeycode"_qs, {code, down}), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, code = code, down = down] {
        watcher->deleteLater();
        m_keyInFlight = false;
        if (watcher->isError())
            qCInfo(lcMutterKeys) << "GNOME Shell did not take a key:" << watcher->error().message();
        if (code == harmlessKey && !down)
            m_warmUp.start();
        else
            sendNextKey();
    });
}
