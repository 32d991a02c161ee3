// The whole road under KDE Plasma's compositor as a user takes it: a headless KWin, the real app
// granted KWin's fake input by its desktop entry, native Wayland apps in front (the Qt test editor,
// mousepad), a model server on loopback, and KWin's fake input pressing the real keys. Also the
// shortcut as Plasma's own settings see it, and what `ringle doctor` says here.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "platform/wayland/kglobalaccelkeys.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "testsupport.h"
#include "waylandroad.h"
#include "waylandtestsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using KGlobalAccelKeys::Sequence;
using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::WaylandRoad;
using TestSupport::typo;

namespace {
constexpr QPoint centre = WaylandRoad::centre;
const QString shortcut = WaylandRoad::shortcut;
const QStringList wheelAction{u"ringle"_qs, u"actionWheel"_qs, u"Ringle"_qs, u"Open the Action Wheel"_qs};
constexpr int ctrlAlt = int(Qt::ControlModifier | Qt::AltModifier);

QDBusMessage kwinCall(const QString &service, const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
}

QDBusMessage kglobalaccel(const QString &method, const QVariantList &arguments)
{
    return kwinCall(u"org.kde.kglobalaccel"_qs, u"/kglobalaccel"_qs, u"org.kde.KGlobalAccel"_qs, method, arguments);
}

// The keys KGlobalAccel holds for the action: empty when it has none or no such action.
QList<int> shortcutKeys(const QStringList &action)
{
    const QDBusReply<QList<Sequence>> keys = kglobalaccel(u"shortcutKeys"_qs, {action});
    QList<int> result;
    if (keys.isValid()) {
        for (const Sequence &sequence : keys.value())
            result += sequence.keys;
    }
    return result;
}

// A copy of the app KWin has no desktop entry for, so it is not granted the fake input.
QString ungrantedCopy(const QTemporaryDir &bin)
{
    const QString copy = bin.filePath(u"ringle"_qs);
    if (!QFile::copy(RingleProcess::appPath(), copy) || !QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner))
        return {};
    return copy;
}

bool ringleScriptLoaded()
{
    const QDBusReply<bool> loaded =
        kwinCall(u"org.kde.KWin"_qs, u"/Scripting"_qs, u"org.kde.kwin.Scripting"_qs, u"isScriptLoaded"_qs, {u"ringle-windows"_qs});
    return loaded.isValid() && loaded.value();
}

} // namespace

class ItestKwEndToEnd final : public QObject {
    Q_OBJECT

    WaylandRoad m_road{u"kwin"_qs};
    WaylandInput &m_input = m_road.input();

    bool gesture(int dx, int dy, const QString &combo = shortcut) { return m_road.gesture(dx, dy, combo); }

private Q_SLOTS:
    void initTestCase()
    {
        KGlobalAccelKeys::registerTypes();
        m_road.start();
    }
    void init() { m_road.beginCase(); }
    void cleanup() { m_road.endCase(); }

    void proofreadReplacesDirectlyAndTheClipboardComesBack() { m_road.proofreadReplacesDirectly(); }
    // KWin gives a clicked panel the focus until it is gone: Replace must wait for the editor.
    void resultPanelReplaceIsClickedBesideTheText() { m_road.resultPanelReplaceIsClicked(); }

    void mousepadProofreadIsReviewedReplacedAndUndone()
    {
        // KWin gives a new window the keyboard; Ringle's script reports it in front.
        m_road.mousepadProofreadIsReviewedReplacedAndUndone(
            [](RingleProcess &ringle, qint64) { return ringle.seesWithin(u"in front: mousepad"_qs, 20000); });
    }

    void keyCombinationSlotActsOnTheEditor() { m_road.keyCombinationSlotActsOnTheEditor(); }

    // A user lets go of the key before the modifiers: KWin reports the release then, and the keys
    // Ringle posts must not take on the modifiers still held.
    void theModifiersLetGoLastDoNotJoinTheKeys()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { WaylandRoad::sayOnFailure(ringle); });
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
        QVERIFY(m_input.send(u"hold "_qs + shortcut));
        QVERIFY(m_input.send(u"wait 150"_qs));
        QVERIFY(m_input.send(u"moveby 90 0"_qs)); // Select All, on the right
        QVERIFY(m_input.send(u"wait 150"_qs));
        QVERIFY(m_input.send(u"keyup h"_qs));
        QVERIFY(m_input.send(u"wait 120"_qs));
        QVERIFY(m_input.send(u"release ctrl+alt"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    void theSetOfTheAppInFrontIsChosen() { m_road.theSetOfTheEditorIsChosen(); }

    void askTakesTheKeyboardAndGivesItBack() { m_road.askTakesTheKeyboardAndGivesItBack(); }

    // Changed in Ringle's settings, then in Plasma's (through KGlobalAccel, as its settings do):
    // each time the new combination opens the wheel and the old one does not; Plasma's change is
    // stored in Ringle's settings.
    void theShortcutFollowsBothSettings()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { WaylandRoad::sayOnFailure(ringle); });
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);
        QCOMPARE(shortcutKeys(wheelAction), QList<int>{ctrlAlt | Qt::Key_H});

        QVERIFY(ringle.configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":38,\"carbonModifiers\":6144}"_qs));
        QVERIFY(!ringle.waitForLine(u"holds the hot key {\"carbonKeyCode\":38"_qs).isEmpty());
        QCOMPARE(shortcutKeys(wheelAction), QList<int>{ctrlAlt | Qt::Key_J});
        QVERIFY(gesture(90, 0, u"ctrl+alt+j"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(!ringle.waitForLine(u"shortcut up"_qs).isEmpty());
        QVERIFY(gesture(90, 0));
        QVERIFY(!ringle.seesWithin(u"shortcut down"_qs, 1000));

        // Ctrl+Alt+L, given in Plasma's settings.
        const QDBusMessage set = kglobalaccel(u"setForeignShortcutKeys"_qs,
                                              {wheelAction, QVariant::fromValue(QList<Sequence>{Sequence{{ctrlAlt | Qt::Key_L}}})});
        QCOMPARE(set.type(), QDBusMessage::ReplyMessage);
        QVERIFY(!ringle.waitForLine(u"holds the hot key {\"carbonKeyCode\":37"_qs).isEmpty());
        QTRY_COMPARE(ringle.configured(u"GlobalShortcuts_actionWheel"_qs),
                     std::optional<QString>(u"{\"carbonKeyCode\":37,\"carbonModifiers\":6144}"_qs));
        QVERIFY(editor->request("select 2 2") == "ok");
        QVERIFY(gesture(90, 0, u"ctrl+alt+l"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    // Ctrl+Alt+K held by another Plasma component is refused as the recorder refuses taken keys,
    // and at quit Ringle's script and its shortcut leave KWin.
    void aTakenCombinationIsRefusedAndQuittingLeavesNothing()
    {
        const QStringList other{u"ringle-test-other"_qs, u"taken"_qs, u"Other"_qs, u"Taken"_qs};
        QCOMPARE(kglobalaccel(u"doRegister"_qs, {other}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(kglobalaccel(u"setShortcutKeys"_qs, {other, QVariant::fromValue(QList<Sequence>{Sequence{{ctrlAlt | Qt::Key_K}}}), 6u})
                     .type(),
                 QDBusMessage::ReplyMessage);
        const auto unregister = qScopeGuard([] { kglobalaccel(u"unregister"_qs, {u"ringle-test-other"_qs, u"taken"_qs}); });

        auto ringle = std::make_unique<RingleProcess>();
        QVERIFY(ringle->configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":40,\"carbonModifiers\":6144}"_qs));
        QVERIFY(ringle->start());
        QVERIFY2(ringle->transcript().contains(u"The system refused the hot key"_qs), qPrintable(ringle->transcript()));
        QCOMPARE(shortcutKeys(other), QList<int>{ctrlAlt | Qt::Key_K});
        QVERIFY(ringleScriptLoaded());

        QVERIFY(ringle->configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":4,\"carbonModifiers\":6144}"_qs));
        QVERIFY(!ringle->waitForLine(u"holds the hot key {\"carbonKeyCode\":4"_qs).isEmpty());
        QCOMPARE(shortcutKeys(wheelAction), QList<int>{ctrlAlt | Qt::Key_H});
        QVERIFY(ringle->signalAndWait(SIGTERM, 10000));
        QVERIFY(!ringleScriptLoaded());
        QCOMPARE(shortcutKeys(wheelAction), QList<int>());
    }

    void doctorWithAndWithoutTheGrant()
    {
        ModelServerProcess server;
        QVERIFY(server.setDefault(ModelServerProcess::modelList({u"test-model"_qs})));
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { WaylandRoad::sayOnFailure(ringle); });
        QVERIFY(ringle.useModelServer(server.url()));
        QString granted;
        const int grantedCode = ringle.command({u"doctor"_qs}, &granted);
        for (const char *line : {"Shortcut          works: bound in KWin's global shortcuts",
                                 "Mouse trigger     missing: KWin lets no program bind a mouse button",
                                 "Wheel and panels  works: layer-shell surfaces", "Clipboard         works: over wlr-data-control",
                                 "Keystrokes        works: KWin's fake input, with your keymap",
                                 "App in front      works: from Ringle's KWin script"})
            QVERIFY2(granted.contains(QLatin1String(line)), qPrintable(granted));
        QVERIFY2(granted.startsWith(u"Ringle on KDE Plasma (Wayland):\n"_qs), qPrintable(granted));
        QCOMPARE(grantedCode, 0);
        qInfo().noquote() << granted;

        // Not granted the fake input, the copy posts through Plasma's RemoteDesktop portal.
        QTemporaryDir bin;
        const QString copy = ungrantedCopy(bin);
        QVERIFY(!copy.isEmpty());
        QString refused;
        QCOMPARE(ringle.command({u"--backend=wayland"_qs, u"doctor"_qs}, &refused, copy), 0);
        QVERIFY2(refused.contains(u"Keystrokes        works: the RemoteDesktop portal"_qs), qPrintable(refused));
        qInfo().noquote() << refused;
    }

    // The portal's session is opened at start; KDE's grants keyboard-only sessions without asking.
    void whereKWinRefusesFakeInputTheRemoteDesktopPortalPostsTheKeys()
    {
        QTemporaryDir bin;
        const QString copy = ungrantedCopy(bin);
        QVERIFY(!copy.isEmpty());
        m_road.proofreadReplacesDirectly(copy);
    }
};

QTEST_GUILESS_MAIN(ItestKwEndToEnd)
#include "itest_kwendtoend.moc"
