// The whole road on Wayland as a user takes it: headless sway, the real app in its own configuration
// home, native Wayland apps in front (the Qt test editor, mousepad), a model server on loopback,
// and a virtual keyboard and pointer pressing the real keys.
#include "actions/shortcutlisting.h"
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "panelbuttonpoint.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "testsupport.h"
#include "waylandtestsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::Formats;
using TestSupport::buttonPoint;
using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::fixed;
using TestSupport::typo;

namespace {
const QPoint centre(640, 420);
const QString shortcut = QStringLiteral("ctrl+alt+h");

QString shown(const QString &kind, const QString &text)
{
    return RingleProcess::resultPanelShows(kind, text);
}

// The identifier the scripts tool lists for the script `name` in the configuration home.
QString scriptId(const QString &configHome, const QString &name)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_qs, configHome);
    tool.setProcessEnvironment(environment);
    tool.start(TestSupport::buildPath(u"src/app/ringle-shortcuts"_qs), {u"list"_qs, u"--show-identifiers"_qs});
    if (!tool.waitForFinished(10000))
        return {};
    for (const ShortcutInfo &shortcut : parseShortcutListing(QString::fromUtf8(tool.readAllStandardOutput()))) {
        if (shortcut.name == name)
            return shortcut.id;
    }
    return {};
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
} // namespace

class ItestWlEndToEnd final : public QObject {
    Q_OBJECT

    ModelServerProcess m_server;
    WaylandInput m_input;
    Formats m_userContent{{u"text/plain;charset=utf-8"_qs, QByteArrayLiteral("the user's own copy")},
                          {u"text/html"_qs, QByteArrayLiteral("<b>the user's own copy</b>")},
                          {u"application/x-ringle-test"_qs, QByteArray("\0\1\2\3", 4)}};
    std::unique_ptr<LineProcess> m_clipboardOwner;

    // The app started on the model server that proofreads `typo`, and the editor holding it selected.
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

    // The app's whole transcript when a test function fails, which QVERIFY2 would cut short.
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
        auto editor = readyToProofread(ringle, true);
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QVERIFY2(!ringle.waitForLine(shown(u"working"_qs, u"Proofreading…"_qs)).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        verifyUserClipboardBack();
    }

    void resultPanelReplaceIsClickedBesideTheText()
    {
        RingleProcess ringle;
        auto editor = readyToProofread(ringle, false);
        QVERIFY(editor);

        // The gesture by hand, to see the wheel with Proofread highlighted.
        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
        QVERIFY(m_input.send(u"hold "_qs + shortcut));
        QVERIFY(ringle.seesWithin(u"ringle.wheel.overlay: painted"_qs, 3000));
        QVERIFY(m_input.send(u"moveby 0 -90"_qs));
        QVERIFY(m_input.send(u"wait 300"_qs));
        TestSupport::waylandScreenshot(u"wayland-wheel.png"_qs);
        QVERIFY(m_input.send(u"release "_qs + shortcut));
        QVERIFY2(!ringle.waitForLine(shown(u"result"_qs, fixed)).isEmpty(), qPrintable(ringle.transcript()));
        const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(u"button replace"_qs, 3000));
        QVERIFY2(replace, qPrintable(ringle.transcript()));
        QVERIFY(ringle.seesWithin(u"painted result"_qs, 3000));
        // Painted is not yet shown: the compositor puts the panel in its place with the next frame.
        QTest::qWait(300);
        TestSupport::waylandScreenshot(u"wayland-result-panel.png"_qs);
        // The panel takes the click; the editor keeps the keyboard.
        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(replace->x()).arg(replace->y())));
        QVERIFY(m_input.send(u"click 1"_qs));
        const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 10000);
        verifyUserClipboardBack();
    }

    void mousepadIsProofreadInPlace()
    {
        RingleProcess ringle;
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
        QVERIFY(TestSupport::waitUntilSwayFocuses(mousepad.processId()));
        QTest::qWait(500);
        QVERIFY(m_input.send(u"key ctrl+a"_qs));

        QVERIFY(gesture(0, -90));
        QVERIFY2(!ringle.waitForLine(shown(u"done"_qs, QString())).isEmpty(), qPrintable(ringle.transcript()));
        verifyUserClipboardBack();
        // What mousepad holds now, copied out of it.
        QVERIFY(m_input.send(u"key ctrl+a"_qs));
        QVERIFY(m_input.send(u"key ctrl+c"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(clipboardNow()).value(u"text/plain;charset=utf-8"_qs),
                                  fixed.toUtf8(), 5000);
        mousepad.kill();
        mousepad.waitForFinished();
    }

    void keyCombinationSlotActsOnTheEditor()
    {
        RingleProcess ringle;
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        QVERIFY(gesture(90, 0)); // Select All, on the right
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(!ringle.seesWithin(u"ringle.resultpanel"_qs, 300));
    }

    void scriptSlotRunsOnTheSelection()
    {
        RingleProcess ringle;
        QVERIFY(TestSupport::writeShortcutScript(ringle.configHome(), "Upper Case.sh", "#!/bin/sh\ntr a-z A-Z\n"));
        const QString id = scriptId(ringle.configHome(), u"Upper Case"_qs);
        QVERIFY(!id.isEmpty());
        QVERIFY(TestSupport::useFirstRing(ringle, {WheelItem::shortcut(u"Upper Case"_qs, id)}));
        QVERIFY(ringle.start());
        auto editor = TestSupport::waylandEditorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), typo.toUpper(), 15000);
        verifyUserClipboardBack();
    }

    void setOfTheAppInFrontScrollingAndTheCentre()
    {
        RingleProcess ringle;
        QList<WheelSet> sets = WheelStore::shippedDefault();
        WheelSet editorSet = sets.first();
        editorSet.id = QUuid::createUuid();
        editorSet.title = u"Editor"_qs;
        editorSet.apps = {u"testeditor"_qs};
        editorSet.rings = {sets.first().rings.first(), sets.first().rings.first()};
        editorSet.rings[0].id = QUuid::createUuid();
        editorSet.rings[0].title = u"Editor First"_qs;
        editorSet.rings[1].id = QUuid::createUuid();
        editorSet.rings[1].title = u"Editor Second"_qs;
        editorSet.rings[1].slots = {WheelItem::keys(KeyCombo{u"Select All"_qs, 0, KeyModifiers(KeyModifiers::control), u"A"_qs})};
        sets.append(editorSet);
        QVERIFY(TestSupport::useRings(ringle, sets));
        QVERIFY(ringle.start());
        auto editor = TestSupport::waylandEditorWith(typo, 2, 2);
        QVERIFY(editor);

        // Released in the centre: nothing runs.
        QVERIFY(gesture(0, 0));
        QVERIFY2(!ringle.waitForLine(u"first \"Editor First\""_qs).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY2(!ringle.waitForLine(u"on slot -1"_qs).isEmpty(), qPrintable(ringle.transcript()));

        // A scroll down moves to the second ring, whose one slot is Select All.
        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
        QVERIFY(m_input.send(u"hold "_qs + shortcut));
        QVERIFY(m_input.send(u"wait 200"_qs));
        QVERIFY(m_input.send(u"scroll 1"_qs));
        QVERIFY(m_input.send(u"wait 200"_qs));
        QVERIFY(m_input.send(u"moveby 0 -90"_qs));
        QVERIFY(m_input.send(u"wait 150"_qs));
        QVERIFY(m_input.send(u"release "_qs + shortcut));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        // The scroll went to the wheel, not to the editor below it.
        QCOMPARE(TestSupport::editorText(*editor), typo);
    }

    void mouseTriggerTakesTheSameRoad()
    {
        RingleProcess ringle;
        auto editor = readyToProofread(ringle, true);
        QVERIFY(editor);

        QVERIFY(m_input.mouseGesture(u"ctrl+alt"_qs, 3, centre, 0, -90));
        QVERIFY2(!ringle.waitForLine(shown(u"working"_qs, u"Proofreading…"_qs)).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        verifyUserClipboardBack();
    }

    void askTakesTheKeyboardAndGivesItBack()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(TestSupport::useAskRing(ringle));
        QVERIFY(ringle.start());
        auto editor = TestSupport::waylandEditorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(gesture(0, -90));
        QVERIFY2(!ringle.waitForLine(u"ringle.ask: opened with a quote"_qs).isEmpty(), qPrintable(ringle.transcript()));
        QList<QByteArray> words;
        for (const QString &word : u"It has two typing mistakes."_qs.split(u' '))
            words.append(ModelServerProcess::deltaEvent(word + u' '));
        words.append("data: [DONE]\n\n");
        QVERIFY(m_server.enqueue(ModelServerProcess::eventStream(words, 100)));
        QTest::qWait(300);
        QVERIFY(m_input.send(u"type What is wrong?"_qs));
        QVERIFY(m_input.send(u"key Return"_qs));
        QVERIFY2(!ringle.waitForLine(u"ringle.ask: answering messages 2"_qs).isEmpty(), qPrintable(ringle.transcript()));
        const QList<QJsonObject> requests = m_server.requests(1, 5000);
        QCOMPARE(requests.size(), 1);
        QVERIFY(requests.first().value(u"body"_qs).toString().contains(u"What is wrong?"_qs));
        QVERIFY2(!ringle.waitForLine(u"ringle.ask: idle messages 2"_qs).isEmpty(), qPrintable(ringle.transcript()));
        QTest::qWait(300);
        TestSupport::waylandScreenshot(u"wayland-ask.png"_qs);

        QVERIFY(m_input.send(u"key Escape"_qs));
        QVERIFY2(!ringle.waitForLine(u"ringle.ask: closed"_qs).isEmpty(), qPrintable(ringle.transcript()));
        // The editor has the keyboard again: typing replaces its selection.
        QTest::qWait(300);
        QVERIFY(m_input.send(u"type z"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), u"z"_qs, 5000);
    }

    void shortcutChangedWhileRunning()
    {
        RingleProcess ringle;
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        // Ctrl+Alt+J: key code 38, control and option in the stored form.
        QVERIFY(ringle.configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":38,\"carbonModifiers\":6144}"_qs));
        QVERIFY2(!ringle.waitForLine(u"holds the hot key {\"carbonKeyCode\":38"_qs).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY(gesture(90, 0, u"ctrl+alt+j"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(!ringle.waitForLine(u"shortcut up"_qs).isEmpty());
        // The old combination is sway's no more: it reaches the editor and opens nothing.
        QVERIFY(gesture(90, 0));
        QVERIFY(!ringle.seesWithin(u"shortcut down"_qs, 1000));
    }
};

QTEST_GUILESS_MAIN(ItestWlEndToEnd)
#include "itest_wlendtoend.moc"
