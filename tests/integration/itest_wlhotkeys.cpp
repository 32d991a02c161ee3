// Ringle's shortcut in a real sway, over the app's whole life: bound at start, refused where sway's
// own configuration binds the combination, bound again when sway reloads, removed at quit, and the
// bindings of a Ringle that died removed by the next one. Also the road for compositors Ringle
// cannot bind keys in (`ringle wheel press|release`) and what `ringle doctor` says here.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"
#include "waylandtestsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

using TestSupport::RingleProcess;
using TestSupport::WaylandInput;
using TestSupport::typo;

namespace {
const QPoint centre(640, 420);

// The commands of the binding events sway sends while this lives.
class BindingEvents final {
public:
    BindingEvents()
    {
        m_process.start(u"swaymsg"_qs, {u"-r"_qs, u"-t"_qs, u"subscribe"_qs, u"-m"_qs, u"[\"binding\"]"_qs});
        m_process.waitForStarted();
        // sway answers the subscription first.
        m_process.waitForReadyRead(3000);
        m_process.readAll();
    }
    ~BindingEvents()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }

    QStringList commands()
    {
        m_process.waitForReadyRead(300);
        m_seen += QString::fromUtf8(m_process.readAll());
        QStringList result;
        for (const QString &line : m_seen.split(u'\n', Qt::SkipEmptyParts))
            result.append(line.section(u"\"command\": \""_qs, 1).section(u'"', 0, 0));
        return result;
    }

private:
    QProcess m_process;
    QString m_seen;
};
} // namespace

class ItestWlHotKeys final : public QObject {
    Q_OBJECT

    WaylandInput m_input;

    // The wheel opened at the centre with `ringle wheel <gesture>`.
    bool openedByCommand(RingleProcess &ringle, const QString &gesture)
    {
        return m_input.send(u"move %1 %2"_qs.arg(centre.x()).arg(centre.y()))
            && ringle.command({u"wheel"_qs, gesture}) == 0
            && !ringle.waitForLine(u"ringle.wheel.overlay: painted"_qs).isEmpty();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_input.start()); }
    void cleanup() { m_input.send(u"releaseall"_qs); }

    void boundAtStartRemovedAtQuit()
    {
        auto editor = TestSupport::waylandEditorWith(typo, 2, 2);
        QVERIFY(editor);
        auto ringle = std::make_unique<RingleProcess>();
        QVERIFY(ringle->start());
        {
            BindingEvents events;
            QVERIFY(m_input.shortcutGesture(u"ctrl+alt+h"_qs, centre, 0, 0));
            QTRY_COMPARE_WITH_TIMEOUT(events.commands().size(), 2, 5000);
            QVERIFY(events.commands().first().startsWith(u"nop ringle-"_qs));
        }
        QVERIFY(ringle->signalAndWait(SIGTERM, 5000));
        BindingEvents events;
        QVERIFY(m_input.shortcutGesture(u"ctrl+alt+h"_qs, centre, 0, 0));
        QTest::qWait(500);
        QCOMPARE(events.commands(), QStringList());
    }

    void theBindingsOfARingleThatDiedAreRemovedByTheNext()
    {
        RingleProcess first;
        QVERIFY(first.start());
        ::kill(pid_t(first.pid()), SIGKILL);
        QTRY_VERIFY(!first.isRunning());
        {
            BindingEvents events;
            QVERIFY(m_input.shortcutGesture(u"ctrl+alt+h"_qs, centre, 0, 0));
            QTRY_COMPARE_WITH_TIMEOUT(events.commands().size(), 2, 5000);
        }
        // The next one binds another combination: the old one must be gone, not left to nobody.
        RingleProcess second;
        QVERIFY(second.configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":38,\"carbonModifiers\":6144}"_qs));
        QVERIFY(second.start());
        BindingEvents events;
        QVERIFY(m_input.shortcutGesture(u"ctrl+alt+h"_qs, centre, 0, 0));
        QTest::qWait(500);
        QCOMPARE(events.commands(), QStringList());
        QVERIFY(m_input.shortcutGesture(u"ctrl+alt+j"_qs, centre, 0, 0));
        QVERIFY2(!second.waitForLine(u"shortcut up"_qs).isEmpty(), qPrintable(second.transcript()));
    }

    void aCombinationSwayBindsIsRefused()
    {
        RingleProcess ringle;
        // Ctrl+Alt+K, which the session's sway configuration binds itself.
        QVERIFY(ringle.configure(u"GlobalShortcuts_actionWheel"_qs, u"{\"carbonKeyCode\":40,\"carbonModifiers\":6144}"_qs));
        QVERIFY(ringle.start());
        // Refused while it started.
        QVERIFY2(ringle.transcript().contains(u"The system refused the hot key"_qs), qPrintable(ringle.transcript()));
        BindingEvents events;
        QVERIFY(m_input.shortcutGesture(u"ctrl+alt+k"_qs, centre, 0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(events.commands().contains(u"nop taken-by-sway"_qs), 5000);
        QVERIFY(!ringle.seesWithin(u"shortcut down"_qs, 300));
    }

    void aReloadOfSwaysConfigurationKeepsTheShortcut()
    {
        RingleProcess ringle;
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);
        QVERIFY(TestSupport::swayCommand(u"reload"_qs));
        QVERIFY2(!ringle.waitForLine(u"adding Ringle's bindings again"_qs, 5000).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY(m_input.shortcutGesture(u"ctrl+alt+h"_qs, centre, 90, 0));
        QTRY_VERIFY2_WITH_TIMEOUT(editor->request("selection") == "selection " + TestSupport::encodeText(typo),
                                  qPrintable(ringle.transcript()), 10000);
    }

    void theWheelFromTheCommandLine()
    {
        RingleProcess ringle;
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);
        QVERIFY2(openedByCommand(ringle, u"press"_qs), qPrintable(ringle.transcript()));
        QVERIFY(m_input.send(u"moveby 90 0"_qs));
        QVERIFY(m_input.sync());
        QTest::qWait(100);
        QCOMPARE(ringle.command({u"wheel"_qs, u"release"_qs}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
    }

    // For compositors that bind only presses: a second toggle, or a click, chooses.
    void theWheelToggledAndChosenByAClick()
    {
        RingleProcess ringle;
        auto editor = TestSupport::waylandEditorAndRingle(ringle);
        QVERIFY(editor);
        QVERIFY2(openedByCommand(ringle, u"toggle"_qs), qPrintable(ringle.transcript()));
        QVERIFY(m_input.send(u"moveby 0 90"_qs)); // Explain, at the bottom: not chosen
        QCOMPARE(ringle.command({u"wheel"_qs, u"toggle"_qs}), 0);
        QVERIFY2(!ringle.waitForLine(u"on slot 2"_qs).isEmpty(), qPrintable(ringle.transcript()));

        QVERIFY2(openedByCommand(ringle, u"toggle"_qs), qPrintable(ringle.transcript()));
        QVERIFY(m_input.send(u"moveby 90 0"_qs)); // Select All, on the right
        QVERIFY(m_input.send(u"click 1"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        // The click went to the wheel, not to the editor below it (which would have moved the caret).
        QCOMPARE(TestSupport::editorText(*editor), typo);
    }

    void doctorSaysWhatWorks()
    {
        ModelServerProcess server;
        QVERIFY(server.setDefault(ModelServerProcess::modelList({u"test-model"_qs})));
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(server.url()));
        QString out;
        QCOMPARE(ringle.command({u"doctor"_qs}, &out), 0);
        for (const char *line : {"Shortcut          works: bound in sway over its IPC",
                                 "Mouse trigger     works: bound in sway for the whole window",
                                 "Clipboard         works: over wlr-data-control",
                                 "Keystrokes        works: a virtual keyboard with your keymap",
                                 "App in front      works: from sway's tree", "Model server      works: "})
            QVERIFY2(out.contains(QLatin1String(line)), qPrintable(out));
        QVERIFY2(out.startsWith(u"Ringle on sway (Wayland):\n"_qs), qPrintable(out));
        qInfo().noquote() << out;

        // Without the virtual keyboard nothing can be typed: the road does not work, and it says what to do.
        QProcess doctor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_qs, ringle.configHome());
        environment.insert(u"RINGLE_WAYLAND_IGNORE"_qs, u"zwp_virtual_keyboard_manager_v1"_qs);
        doctor.setProcessEnvironment(environment);
        doctor.start(TestSupport::buildPath(u"src/app/ringle"_qs), {u"doctor"_qs});
        QVERIFY(doctor.waitForFinished(30000));
        const QString missing = QString::fromUtf8(doctor.readAllStandardOutput());
        QCOMPARE(doctor.exitCode(), 1);
        QVERIFY2(missing.contains(u"Keystrokes        missing: the compositor offers no virtual keyboard"_qs), qPrintable(missing));
        QVERIFY2(missing.contains(u"to do: Use a compositor that offers zwp_virtual_keyboard_v1"_qs), qPrintable(missing));
        qInfo().noquote() << missing;
    }
};

QTEST_GUILESS_MAIN(ItestWlHotKeys)
#include "itest_wlhotkeys.moc"
