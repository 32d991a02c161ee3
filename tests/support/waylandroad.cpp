#include "waylandroad.h"

#include "panelbuttonpoint.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "wheelgestures.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUuid>
#include <QTest>

namespace TestSupport {
namespace {
QString shown(const QString &kind, const QString &text)
{
    return RingleProcess::resultPanelShows(kind, text);
}

// GNOME offers no data-control: the other clipboard client there is a remote desktop session.
QString clipboardTool()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').contains(u"GNOME"_qs) ? u"mutterclipboardtool"_qs
                                                                                          : u"waylandclipboardtool"_qs;
}
// Mousepad on Wayland with a file of its own, in a home of its own; closed when this goes.
class Mousepad final {
public:
    ~Mousepad()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool start(const QString &text)
    {
        QFile file(m_home.filePath(u"typo.txt"_qs));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            return false;
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"GDK_BACKEND"_qs, u"wayland"_qs);
        environment.insert(u"XDG_CONFIG_HOME"_qs, m_home.path());
        environment.insert(u"XDG_DATA_HOME"_qs, m_home.path());
        m_process.setProcessEnvironment(environment);
        m_process.start(u"mousepad"_qs, {u"--disable-server"_qs, file.fileName()});
        return m_process.waitForStarted();
    }
    qint64 pid() const { return m_process.processId(); }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};
} // namespace

void WaylandRoad::start()
{
    QVERIFY(m_server.isRunning());
    QVERIFY(m_input.start());
}

void WaylandRoad::beginCase()
{
    m_server.forgetEvents();
    m_clipboardOwner = std::make_unique<LineProcess>();
    QVERIFY(m_clipboardOwner->start(programPath(clipboardTool())));
    QCOMPARE(m_clipboardOwner->request("own " + encodeFormats(m_userContent)), QByteArray("ok"));
}

void WaylandRoad::endCase()
{
    m_input.send(u"releaseall"_qs);
    m_clipboardOwner.reset();
}

std::unique_ptr<LineProcess> WaylandRoad::readyToProofread(RingleProcess &ringle, bool replaceDirectly)
{
    if (!ringle.useModelServer(m_server.url()) || (replaceDirectly && !ringle.configure(u"showResultFirst"_qs, u"false"_qs))
        || !m_server.setDefault(ModelServerProcess::completion(fixed)) || !ringle.start())
        return nullptr;
    return waylandEditorWith(typo, 0, int(typo.size()));
}

void WaylandRoad::sayOnFailure(RingleProcess &ringle)
{
    if (QTest::currentTestFailed())
        qInfo().noquote() << ringle.transcript();
}

Formats WaylandRoad::clipboardNow()
{
    LineProcess reader;
    if (!reader.start(programPath(clipboardTool())))
        return {};
    const QByteArray reply = reader.request("dump");
    return reply.startsWith("dump ") ? decodeFormats(reply.mid(5)) : Formats{};
}

void WaylandRoad::verifyUserClipboardBack()
{
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(clipboardNow()), contentOf(m_userContent), 10000);
}

void WaylandRoad::verifyMousepadHolds(const QString &text)
{
    // Copied out of it: this leaves the clipboard to mousepad.
    QVERIFY(m_input.send(u"key ctrl+a"_qs));
    QVERIFY(m_input.send(u"key ctrl+c"_qs));
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(clipboardNow()).value(u"text/plain;charset=utf-8"_qs), text.toUtf8(), 5000);
}

void WaylandRoad::proofreadReplacesDirectly(const QString &program)
{
    RingleProcess ringle;
    if (!program.isEmpty())
        ringle.setProgram(program);
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    auto editor = readyToProofread(ringle, true);
    QVERIFY(editor);

    QVERIFY(gesture(0, -90));
    QVERIFY(!ringle.waitForLine(shown(u"working"_qs, u"Proofreading…"_qs)).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(editorText(*editor), fixed, 15000);
    verifyUserClipboardBack();
}

void WaylandRoad::resultPanelReplaceIsClicked()
{
    RingleProcess ringle;
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    auto editor = readyToProofread(ringle, false);
    QVERIFY(editor);

    // The gesture by hand, to see the wheel with Proofread highlighted.
    QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
    QVERIFY(m_input.send(u"hold "_qs + shortcut));
    QVERIFY(ringle.seesWithin(u"ringle.wheel.overlay: painted"_qs, 3000));
    QVERIFY(m_input.send(u"moveby 0 -90"_qs));
    QVERIFY(m_input.send(u"wait 300"_qs));
    waylandScreenshot(m_desktop + u"-wheel.png"_qs);
    QVERIFY(m_input.send(u"release "_qs + shortcut));
    QVERIFY(!ringle.waitForLine(shown(u"result"_qs, fixed)).isEmpty());
    const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(u"button replace"_qs, 3000));
    QVERIFY(replace);
    QVERIFY(ringle.seesWithin(u"painted result"_qs, 3000));
    // Painted is not yet shown: the compositor puts the panel in its place with the next frame.
    QTest::qWait(300);
    waylandScreenshot(m_desktop + u"-result-panel.png"_qs);
    // The panel takes the click; the editor keeps (or gets back) the keyboard.
    QVERIFY(m_input.send(u"move %1 %2"_qs.arg(replace->x()).arg(replace->y())));
    QVERIFY(m_input.send(u"click 1"_qs));
    QTRY_COMPARE_WITH_TIMEOUT(editorText(*editor), fixed, 10000);
    verifyUserClipboardBack();
}

void WaylandRoad::mousepadIsProofreadInPlace(const std::function<bool(RingleProcess &, qint64)> &untilInFront)
{
    RingleProcess ringle;
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    QVERIFY(ringle.useModelServer(m_server.url()));
    QVERIFY(ringle.configure(u"showResultFirst"_qs, u"false"_qs));
    QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
    QVERIFY(ringle.start());
    Mousepad mousepad;
    QVERIFY(mousepad.start(typo));
    QVERIFY(untilInFront(ringle, mousepad.pid()));
    QTest::qWait(500);
    QVERIFY(m_input.send(u"key ctrl+a"_qs));

    QVERIFY(gesture(0, -90));
    QVERIFY(!ringle.waitForLine(shown(u"done"_qs, QString())).isEmpty());
    verifyUserClipboardBack();
    verifyMousepadHolds(fixed);
}

void WaylandRoad::mousepadProofreadIsReviewedReplacedAndUndone(
    const std::function<bool(RingleProcess &, qint64)> &untilInFront)
{
    RingleProcess ringle;
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    QVERIFY(ringle.useModelServer(m_server.url()));
    // Asked for a stream, the server sends this answer a few words at a time.
    QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
    QVERIFY(ringle.start());
    Mousepad mousepad;
    QVERIFY(mousepad.start(typo));
    QVERIFY(untilInFront(ringle, mousepad.pid()));
    QTest::qWait(500);
    QVERIFY(m_input.send(u"key ctrl+a"_qs));
    // Mousepad says nothing when it has selected; give it the time a user's hand would.
    QVERIFY(m_input.send(u"wait 300"_qs));

    // Moving on only once the wheel is open: a busy machine may open it after the pointer left.
    QVERIFY(m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y())));
    QVERIFY(m_input.send(u"hold "_qs + shortcut));
    QVERIFY(ringle.seesWithin(u"ringle.wheel.overlay: painted"_qs, 3000));
    QVERIFY(m_input.send(u"moveby 0 -90"_qs));
    QVERIFY(m_input.send(u"wait 150"_qs));
    QVERIFY(m_input.send(u"release "_qs + shortcut));
    QVERIFY(!ringle.waitForLine(shown(u"streaming"_qs, u"This sentence"_qs)).isEmpty());
    QVERIFY(!ringle.waitForLine(shown(u"result"_qs, fixed)).isEmpty());
    const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(u"button replace"_qs, 3000));
    QVERIFY(replace);
    QVERIFY(ringle.seesWithin(u"button changes"_qs, 3000));
    QTest::qWait(300);
    QVERIFY(m_input.send(u"move %1 %2"_qs.arg(replace->x()).arg(replace->y())));
    QVERIFY(m_input.send(u"click 1"_qs));
    verifyUserClipboardBack();
    if (QTest::currentTestFailed())
        return;

    // Undo finds the pasted text before the caret, so it was pasted, and puts the original back.
    QVERIFY(!ringle.waitForLine(shown(u"done-undo"_qs, QString())).isEmpty());
    const std::optional<QPoint> undo = buttonPoint(ringle.waitForLine(u"button undo"_qs, 3000));
    QVERIFY(undo);
    QTest::qWait(300);
    QVERIFY(m_input.send(u"move %1 %2"_qs.arg(undo->x()).arg(undo->y())));
    QVERIFY(m_input.send(u"click 1"_qs));
    QVERIFY(!ringle.waitForLine(u"undo: restored"_qs, 10000).isEmpty());
    verifyUserClipboardBack();
    if (QTest::currentTestFailed())
        return;
    verifyMousepadHolds(typo);
}

void WaylandRoad::keyCombinationSlotActsOnTheEditor()
{
    RingleProcess ringle;
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    auto editor = waylandEditorAndRingle(ringle);
    QVERIFY(editor);

    QVERIFY(gesture(90, 0)); // Select All, on the right
    QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + encodeText(typo), 10000);
    QVERIFY(!ringle.seesWithin(u"ringle.resultpanel"_qs, 300));
}

void WaylandRoad::theSetOfTheEditorIsChosen(const std::function<bool(RingleProcess &)> &untilInFront)
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
    QVERIFY(useRings(ringle, sets));
    QVERIFY(ringle.start());
    auto editor = waylandEditorWith(typo, 2, 2);
    QVERIFY(editor);
    if (untilInFront)
        QVERIFY(untilInFront(ringle));

    QVERIFY(gesture(0, -90));
    QVERIFY(!ringle.waitForLine(u"first \"Editor First\""_qs).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + encodeText(typo), 10000);
}

void WaylandRoad::askTakesTheKeyboardAndGivesItBack()
{
    RingleProcess ringle;
    const auto say = qScopeGuard([&ringle] { sayOnFailure(ringle); });
    QVERIFY(ringle.useModelServer(m_server.url()));
    QVERIFY(useAskRing(ringle));
    QVERIFY(ringle.start());
    auto editor = waylandEditorWith(typo, 0, int(typo.size()));
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
    waylandScreenshot(m_desktop + u"-ask.png"_qs);

    QVERIFY(m_input.send(u"key Escape"_qs));
    QVERIFY(!ringle.waitForLine(u"ringle.ask: closed"_qs).isEmpty());
    // The editor has the keyboard again: typing replaces its selection.
    QTest::qWait(300);
    QVERIFY(m_input.send(u"type z"_qs));
    QTRY_COMPARE_WITH_TIMEOUT(editorText(*editor), u"z"_qs, 5000);
}
} // namespace TestSupport
