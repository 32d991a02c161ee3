// The whole road on Wayland as a user takes it: headless sway, the real app in its own configuration
// home, native Wayland apps in front (the Qt test editor, mousepad), a model server on loopback,
// and a virtual keyboard and pointer pressing the real keys.
#include "actions/shortcutlisting.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "testsupport.h"
#include "waylandroad.h"
#include "waylandtestsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QProcess>
#include <QTest>

using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::WaylandRoad;
using TestSupport::fixed;
using TestSupport::typo;

namespace {
constexpr QPoint centre = WaylandRoad::centre;
const QString shortcut = WaylandRoad::shortcut;

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
} // namespace

class ItestWlEndToEnd final : public QObject {
    Q_OBJECT

    WaylandRoad m_road{u"wayland"_qs};
    WaylandInput &m_input = m_road.input();

    bool gesture(int dx, int dy, const QString &combo = shortcut) { return m_road.gesture(dx, dy, combo); }

private Q_SLOTS:
    void initTestCase() { m_road.start(); }
    void init() { m_road.beginCase(); }
    void cleanup() { m_road.endCase(); }

    void proofreadReplacesDirectlyAndTheClipboardComesBack() { m_road.proofreadReplacesDirectly(); }

    void resultPanelReplaceIsClickedBesideTheText() { m_road.resultPanelReplaceIsClicked(); }

    // Replaced from the panel, the user's clipboard reads back here only once the test stops
    // asking for it, so this desktop takes mousepad's road without the panel.
    void mousepadIsProofreadInPlace()
    {
        m_road.mousepadIsProofreadInPlace([](RingleProcess &, qint64 pid) { return TestSupport::waitUntilSwayFocuses(pid); });
    }

    void keyCombinationSlotActsOnTheEditor() { m_road.keyCombinationSlotActsOnTheEditor(); }

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
        m_road.verifyUserClipboardBack();
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
        auto editor = m_road.readyToProofread(ringle, true);
        QVERIFY(editor);

        QVERIFY(m_input.mouseGesture(u"ctrl+alt"_qs, 3, centre, 0, -90));
        QVERIFY2(!ringle.waitForLine(RingleProcess::resultPanelShows(u"working"_qs, u"Proofreading…"_qs)).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        m_road.verifyUserClipboardBack();
    }

    void askTakesTheKeyboardAndGivesItBack() { m_road.askTakesTheKeyboardAndGivesItBack(); }

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
