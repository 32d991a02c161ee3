// The whole road under KDE Plasma's compositor as a user takes it: a headless KWin, the real app
// granted KWin's fake input by its desktop entry, native Wayland apps in front (the Qt test editor,
// mousepad), a model server on loopback, and KWin's fake input pressing the real keys. Also the
// shortcut as Plasma's own settings see it, and what `ringle doctor` says here.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "panelbuttonpoint.h"
#include "platform/wayland/kglobalaccelkeys.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "testsupport.h"
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
using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::buttonPoint;
using TestSupport::fixed;
using TestSupport::typo;

namespace {
const QPoint centre(640, 420);
const QString shortcut = u"ctrl+alt+h"_qs;
const QStringList wheelAction{u"ringle"_qs, u"actionWheel"_qs, u"Ringle"_qs, u"Open the Action Wheel"_qs};
constexpr int ctrlAlt = int(Qt::ControlModifier | Qt::AltModifier);

QString shown(const QString &kind, const QString &text)
{
    return RingleProcess::resultPanelShows(kind, text);
}

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

bool ringleScriptLoaded()
{
    const QDBusReply<bool> loaded =
        kwinCall(u"org.kde.KWin"_qs, u"/Scripting"_qs, u"org.kde.kwin.Scripting"_qs, u"isScriptLoaded"_qs, {u"ringle-windows"_qs});
    return loaded.isValid() && loaded.value();
}

// The clipboard's content as a second data-control client reads it.
Formats clipboardNow()
{
    LineProcess reader;
    if (!reader.start(TestSupport::programPath(u"waylandclipboardtool"_qs)))
        return {};
    const QByteArray reply = reader.request("dump");
    return reply.startsWith("dump ") ? TestSupport::decodeFormats(reply.mid(5)) : Formats{};
}

struct Run {
    int code = -1;
    QString out;
};

Run ringleCommand(const QString &program, const QString &configHome, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_qs, configHome);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}
} // namespace

class ItestKwEndToEnd final : public QObject {
    Q_OBJECT

    ModelServerProcess m_server;
    WaylandInput m_input;
    Formats m_userContent{{u"text/plain;charset=utf-8"_qs, QByteArrayLiteral("the user's own copy")},
                          {u"text/html"_qs, QByteArrayLiteral("<b>the user's own copy</b>")},
                          {u"application/x-ringle-test"_qs, QByteArray("\0\1\2\3", 4)}};
    std::unique_ptr<LineProcess> m_clipboardOwner;

    std::unique_ptr<LineProcess> readyToProofread(RingleProcess &ringle, bool replaceDirectly)
    {
        if (!ringle.useModelServer(m_server.url())
            || (replaceDirectly && !ringle.configure(u"showResultFirst"_qs, u"false"_qs))
            || !m_server.setDefault(ModelServerProcess::completion(fixed)) || !ringle.start())
            return nullptr;
        return TestSupport::waylandEditorWith(typo, 0, int(typo.size()));
    }

    bool gesture(int dx, int dy, const QString &combo = shortcut)
    {
        return m_input.shortcutGesture(combo, centre, dx, dy);
    }

    static void sayOnFailure(RingleProcess &ringle)
    {
        if (QTest::currentTestFailed())
            qInfo().noquote() << ringle.transcript();
    }

    void verifyUserClipboardBack()
    {
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(clipboardNow()), TestSupport::contentOf(m_userContent), 10000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        KGlobalAccelKeys::registerTypes();
        QVERIFY(m_server.isRunning());
        QVERIFY(m_input.start());
    }

    void init()
    {
        m_server.forgetEvents();
        m_clipboardOwner = std::make_unique<LineProcess>();
        QVERIFY(m_clipboardOwner->start(TestSupport::programPath(u"waylandclipboardtool"_qs)));
        QCOMPARE(m_clipboardOwner->request("own " + TestSupport::encodeFormats(m_userContent)), QByteArray("ok"));
    }

    void cleanup()
    {
        m_input.send(u"releaseall"_qs);
        m_clipboardOwner.reset();
    }

    void proofreadReplacesDirectlyAndTheClipboardComesBack()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        auto editor = readyToProofread(ringle, true);
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QVERIFY(!ringle.waitForLine(shown(u"working"_qs, u"Proofreading…"_qs)).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        verifyUserClipboardBack();
    }

    void resultPanelReplaceIsClickedBesideTheText()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        auto editor = readyToProofread(ringle, false);
        QVERIFY(editor);

        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
        QVERIFY(m_input.send(u"hold "_qs + shortcut));
        QVERIFY(ringle.seesWithin(u"ringle.wheel.overlay: painted"_qs, 3000));
        QVERIFY(m_input.send(u"moveby 0 -90"_qs));
        QVERIFY(m_input.send(u"wait 300"_qs));
        TestSupport::waylandScreenshot(u"kwin-wheel.png"_qs);
        QVERIFY(m_input.send(u"release "_qs + shortcut));
        QVERIFY(!ringle.waitForLine(shown(u"result"_qs, fixed)).isEmpty());
        const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(u"button replace"_qs, 3000));
        QVERIFY(replace);
        QVERIFY(ringle.seesWithin(u"painted result"_qs, 3000));
        QTest::qWait(300);
        TestSupport::waylandScreenshot(u"kwin-result-panel.png"_qs);
        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(replace->x()).arg(replace->y())));
        QVERIFY(m_input.send(u"click 1"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 10000);
        verifyUserClipboardBack();
    }

    void mousepadIsProofreadInPlace()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(u"showResultFirst"_qs, u"false"_qs));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        QTemporaryDir home;
        QFile file(home.filePath(u"typo.txt"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(typo.toUtf8());
        file.close();
        QProcess mousepad;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"GDK_BACKEND"_qs, u"wayland"_qs);
        environment.insert(u"XDG_CONFIG_HOME"_qs, home.path());
        environment.insert(u"XDG_DATA_HOME"_qs, home.path());
        mousepad.setProcessEnvironment(environment);
        mousepad.start(u"mousepad"_qs, {u"--disable-server"_qs, file.fileName()});
        QVERIFY(mousepad.waitForStarted());
        const auto closeMousepad = qScopeGuard([&mousepad] {
            mousepad.kill();
            mousepad.waitForFinished();
        });
        // KWin gives a new window the keyboard; Ringle's script reports it in front.
        QVERIFY(ringle.seesWithin(u"in front: mousepad"_qs, 20000));
        QTest::qWait(500);
        QVERIFY(m_input.send(u"key ctrl+a"_qs));

        QVERIFY(gesture(0, -90));
        QVERIFY(!ringle.waitForLine(shown(u"done"_qs, QString())).isEmpty());
        verifyUserClipboardBack();
        QVERIFY(m_input.send(u"key ctrl+a"_qs));
        QVERIFY(m_input.send(u"key ctrl+c"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(clipboardNow()).value(u"text/plain;charset=utf-8"_qs),
                                  fixed.toUtf8(), 5000);
    }

    void keyCombinationSlotActsOnTheEditor()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        QVERIFY(gesture(90, 0)); // Select All, on the right
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    // A user lets go of the key before the modifiers: KWin reports the release then, and the keys
    // Ringle posts must not take on the modifiers still held.
    void theModifiersLetGoLastDoNotJoinTheKeys()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
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

    void theSetOfTheAppInFrontIsChosen()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        QList<WheelSet> sets = WheelStore::shippedDefault();
        WheelSet editorSet = sets.first();
        editorSet.id = QUuid::createUuid();
        editorSet.title = u"Editor"_qs;
        editorSet.apps = {u"testeditor"_qs};
        editorSet.rings = {sets.first().rings.first()};
        editorSet.rings[0].id = QUuid::createUuid();
        editorSet.rings[0].title = u"Editor First"_qs;
        editorSet.rings[0].slots = {WheelItem::keys(KeyCombo{u"Select All"_qs, 0, KeyModifiers(KeyModifiers::control), u"A"_qs})};
        sets.append(editorSet);
        QVERIFY(TestSupport::useRings(ringle, sets));
        QVERIFY(ringle.start());
        auto editor = TestSupport::waylandEditorWith(typo, 2, 2);
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QVERIFY(!ringle.waitForLine(u"first \"Editor First\""_qs).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    void askTakesTheKeyboardAndGivesItBack()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(TestSupport::useAskRing(ringle));
        QVERIFY(ringle.start());
        auto editor = TestSupport::waylandEditorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QVERIFY(!ringle.waitForLine(u"ringle.ask: opened with a quote"_qs).isEmpty());
        QList<QByteArray> words;
        for (const QString &word : u"It has two typing mistakes."_qs.split(u' '))
            words.append(ModelServerProcess::deltaEvent(word + u' '));
        words.append("data: [DONE]\n\n");
        QVERIFY(m_server.enqueue(ModelServerProcess::eventStream(words, 100)));
        QTest::qWait(300);
        QVERIFY(m_input.send(u"type What is wrong?"_qs));
        QVERIFY(m_input.send(u"key Return"_qs));
        QVERIFY(!ringle.waitForLine(u"ringle.ask: answering messages 2"_qs).isEmpty());
        const QList<QJsonObject> requests = m_server.requests(1, 5000);
        QCOMPARE(requests.size(), 1);
        QVERIFY(requests.first().value(u"body"_qs).toString().contains(u"What is wrong?"_qs));
        QVERIFY(!ringle.waitForLine(u"ringle.ask: idle messages 2"_qs).isEmpty());
        QTest::qWait(300);
        TestSupport::waylandScreenshot(u"kwin-ask.png"_qs);

        QVERIFY(m_input.send(u"key Escape"_qs));
        QVERIFY(!ringle.waitForLine(u"ringle.ask: closed"_qs).isEmpty());
        QTest::qWait(300);
        QVERIFY(m_input.send(u"type z"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), u"z"_qs, 5000);
    }

    // Changed in Ringle's settings, then in Plasma's (through KGlobalAccel, as its settings do):
    // each time the new combination opens the wheel and the old one does not; Plasma's change is
    // stored in Ringle's settings.
    void theShortcutFollowsBothSettings()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
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
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        QVERIFY(ringle.useModelServer(server.url()));
        const Run granted = ringleCommand(RingleProcess::appPath(), ringle.configHome(), {u"doctor"_qs});
        for (const char *line : {"Shortcut          works: bound in KWin's global shortcuts",
                                 "Mouse trigger     missing: KWin lets no program bind a mouse button",
                                 "Wheel and panels  works: layer-shell surfaces", "Clipboard         works: over wlr-data-control",
                                 "Keystrokes        works: KWin's fake input, with your keymap",
                                 "App in front      works: from Ringle's KWin script"})
            QVERIFY2(granted.out.contains(QLatin1String(line)), qPrintable(granted.out));
        QVERIFY2(granted.out.startsWith(u"Ringle on KDE Plasma (Wayland):\n"_qs), qPrintable(granted.out));
        QCOMPARE(granted.code, 0);
        qInfo().noquote() << granted.out;

        // A copy KWin has no desktop entry for is not granted the fake input.
        QTemporaryDir bin;
        const QString copy = bin.filePath(u"ringle"_qs);
        QVERIFY(QFile::copy(RingleProcess::appPath(), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner));
        const Run refused = ringleCommand(copy, ringle.configHome(), {u"--backend=wayland"_qs, u"doctor"_qs});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.out.contains(u"Keystrokes        missing: KWin has not granted Ringle its fake input"_qs), qPrintable(refused.out));
        QVERIFY2(refused.out.contains(u"to do: KWin grants it to programs whose desktop entry asks for it"_qs), qPrintable(refused.out));
        qInfo().noquote() << refused.out;
    }
};

QTEST_GUILESS_MAIN(ItestKwEndToEnd)
#include "itest_kwendtoend.moc"
