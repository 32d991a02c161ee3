// The whole road under GNOME Shell as a user takes it: a headless GNOME Shell with Ringle's
// extension, native Wayland apps in front (the Qt test editor, mousepad), a model server on
// loopback, and the user's keys pressed by the shell's own virtual devices. Also the extension
// turned off and on while Ringle runs, and what `ringle doctor` says here.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "testsupport.h"
#include "waylandroad.h"
#include "waylandtestsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>

using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::WaylandRoad;
using TestSupport::typo;

namespace {
const QString shortcut = WaylandRoad::shortcut;
const QString uuid = u"ringle@ringle.org"_qs;

bool gnomeExtensions(const QString &verb)
{
    QProcess tool;
    tool.start(u"gnome-extensions"_qs, {verb, uuid});
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}
} // namespace

class ItestGnEndToEnd final : public QObject {
    Q_OBJECT

    WaylandRoad m_road{u"gnome"_qs};
    WaylandInput &m_input = m_road.input();

    bool gesture(int dx, int dy, const QString &combo = shortcut) { return m_road.gesture(dx, dy, combo); }

private Q_SLOTS:
    void initTestCase() { m_road.start(); }
    void init() { m_road.beginCase(); }
    void cleanup()
    {
        m_road.endCase();
        // A case that failed half-way must not leave the next without the extension.
        gnomeExtensions(u"enable"_qs);
    }

    void proofreadReplacesDirectlyAndTheClipboardComesBack() { m_road.proofreadReplacesDirectly(); }
    // The panel is the shell's picture: the click reaches Ringle and the editor keeps the keyboard.
    void resultPanelReplaceIsClickedBesideTheText() { m_road.resultPanelReplaceIsClicked(); }

    void mousepadProofreadIsReviewedReplacedAndUndone()
    {
        m_road.mousepadProofreadIsReviewedReplacedAndUndone(
            [](RingleProcess &ringle, qint64) { return ringle.seesWithin(u"in front: org.xfce.mousepad"_qs, 20000); });
    }

    void keyCombinationSlotActsOnTheEditor() { m_road.keyCombinationSlotActsOnTheEditor(); }

    void theSetOfTheAppInFrontIsChosen()
    {
        m_road.theSetOfTheEditorIsChosen(
            [](RingleProcess &ringle) { return ringle.seesWithin(u"in front: testeditor"_qs, 10000); });
    }

    void askTakesTheKeyboardAndGivesItBack() { m_road.askTakesTheKeyboardAndGivesItBack(); }

    // Changed in Ringle's settings while it runs: the new combination opens the wheel, the old one
    // no longer does.
    void theShortcutChangesWhileRingleRuns()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { WaylandRoad::sayOnFailure(ringle); });
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        QVERIFY(ringle.configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":38,\"carbonModifiers\":6144}"_qs));
        QVERIFY(!ringle.waitForLine(u"holds the hot key {\"carbonKeyCode\":38"_qs).isEmpty());
        QVERIFY(gesture(90, 0, u"ctrl+alt+j"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(!ringle.waitForLine(u"shortcut up"_qs).isEmpty());
        QVERIFY(gesture(90, 0));
        QVERIFY(!ringle.seesWithin(u"shortcut down"_qs, 1000));
    }

    // Turned off while Ringle runs, the extension takes its bindings and pictures along: nothing
    // opens, nothing hangs, and `ringle doctor` says how to turn it on. Turned on again, Ringle
    // registers anew and the shortcut works.
    void theExtensionTurnedOffAndOnAgain()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] { WaylandRoad::sayOnFailure(ringle); });
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);

        QVERIFY(gnomeExtensions(u"disable"_qs));
        QVERIFY(!ringle.waitForLine(u"Ringle's GNOME Shell extension went away"_qs).isEmpty());
        QVERIFY(gesture(90, 0));
        QVERIFY(!ringle.seesWithin(u"shortcut down"_qs, 1000));
        // Without the extension there is no Wayland road on GNOME: doctor says so on its error output.
        QProcess doctor;
        doctor.setProcessChannelMode(QProcess::MergedChannels);
        doctor.start(RingleProcess::appPath(), {u"doctor"_qs});
        QVERIFY(doctor.waitForFinished(30000));
        const QString off = QString::fromUtf8(doctor.readAll());
        QCOMPARE(doctor.exitCode(), 1);
        QVERIFY2(off.contains(u"gnome-extensions enable ringle@ringle.org"_qs), qPrintable(off));
        qInfo().noquote() << off;

        QVERIFY(gnomeExtensions(u"enable"_qs));
        QVERIFY(!ringle.waitForLine(u"Ringle's GNOME Shell extension is back"_qs).isEmpty());
        QVERIFY(editor->request("select 2 2") == "ok");
        QVERIFY(gesture(90, 0));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    void doctorWithTheExtension()
    {
        ModelServerProcess server;
        QVERIFY(server.setDefault(ModelServerProcess::modelList({u"test-model"_qs})));
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(server.url()));
        QString said;
        const int code = ringle.command({u"doctor"_qs}, &said);
        for (const char *line : {"Shortcut          works: bound in GNOME Shell by Ringle's extension",
                                 "Mouse trigger     missing: GNOME Shell gives clicks in a window to that window alone",
                                 "Wheel and panels  works: shown by Ringle's GNOME Shell extension",
                                 "Clipboard         works:", "Keystrokes        works:",
                                 "App in front      works: from Ringle's GNOME Shell extension"})
            QVERIFY2(said.contains(QLatin1String(line)), qPrintable(said));
        QVERIFY2(said.startsWith(u"Ringle on GNOME 43 (Wayland):\n"_qs), qPrintable(said));
        QCOMPARE(code, 0);
        qInfo().noquote() << said;
    }
};

QTEST_GUILESS_MAIN(ItestGnEndToEnd)
#include "itest_gnendtoend.moc"
