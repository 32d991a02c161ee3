#include "platform/wayland/kwinwindows.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcKWin, "ringle.wayland.kwin")

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
constexpr int callTimeout = 2000;
} // namespace

const QString KWinWindows::pluginName = QStringLiteral("ringle-windows");
const QString KWinWindows::objectPath = QStringLiteral("/org/ringle/KWinWindows");

std::unique_ptr<KWinWindows> KWinWindows::create(QDBusConnection bus)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kwinService))
        return nullptr;
    std::unique_ptr<KWinWindows> windows(new KWinWindows(std::move(bus)));
    if (!windows->m_bus.registerObject(objectPath, windows.get(), QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcKWin) << "cannot take the reports of the KWin script at" << objectPath;
        return nullptr;
    }
    if (!windows->load())
        return nullptr;
    return windows;
}

KWinWindows::KWinWindows(QDBusConnection bus)
    : m_bus(std::move(bus))
    , m_kwinWatcher(kwinService, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
    , m_kwinOwner(m_bus.interface()->serviceOwner(kwinService))
{
    connect(&m_kwinWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) { m_kwinOwner = owner; });
}

KWinWindows::~KWinWindows()
{
    unload();
    m_bus.unregisterObject(objectPath);
}

bool KWinWindows::load()
{
    const auto call = [this](const QString &method, const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingInterface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, callTimeout);
    };
    // A script of an earlier Ringle that did not quit in order would report to nobody.
    const QDBusReply<bool> leftOver = call(u"isScriptLoaded"_qs, {pluginName});
    if (leftOver.isValid() && leftOver.value())
        call(u"unloadScript"_qs, {pluginName});

    QFile source(u":/kwin/ringle-windows.js"_qs);
    if (!source.open(QIODevice::ReadOnly) || !m_script.open()) {
        qCWarning(lcKWin) << "cannot write the KWin script";
        return false;
    }
    QByteArray text = source.readAll();
    text.replace("@SERVICE@", m_bus.baseService().toUtf8());
    if (m_script.write(text) != text.size() || !m_script.flush()) {
        qCWarning(lcKWin) << "cannot write the KWin script to" << m_script.fileName();
        return false;
    }
    const QDBusReply<int> id = call(u"loadScript"_qs, {m_script.fileName(), pluginName});
    if (!id.isValid() || id.value() < 0) {
        qCWarning(lcKWin) << "KWin did not load Ringle's script:" << id.error().message();
        return false;
    }
    m_loaded = true;
    const QDBusMessage started = call(u"start"_qs, {});
    if (started.type() != QDBusMessage::ReplyMessage) {
        qCWarning(lcKWin) << "KWin did not start Ringle's script:" << started.errorMessage();
        unload();
        return false;
    }
    return true;
}

void KWinWindows::unload()
{
    if (!std::exchange(m_loaded, false))
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingInterface, u"unloadScript"_qs);
    message << pluginName;
    m_bus.call(message, QDBus::Block, callTimeout);
}

void KWinWindows::report(const QString &json)
{
    // Only KWin runs the script; another program could otherwise make Ringle pick the wrong set.
    if (!calledFromDBus() || m_kwinOwner.isEmpty() || message().service() != m_kwinOwner) {
        qCWarning(lcKWin) << "a window report not from KWin is ignored:" << (calledFromDBus() ? message().service() : QString());
        return;
    }
    std::optional<WindowReport> report = WindowReport::parse(json.toUtf8());
    if (!report) {
        qCWarning(lcKWin) << "the KWin script sent a report Ringle cannot read";
        return;
    }
    const QString before = m_latest.frontAppId();
    m_latest = std::move(*report);
    m_reported = true;
    if (const QString now = m_latest.frontAppId(); now != before)
        qCInfo(lcKWin).noquote() << "in front:" << (now.isEmpty() ? u"nothing"_qs : now);
    Q_EMIT reported();
}
