// The wheel editor as a user works it: in the running app's settings window, with real pointer
// clicks and typing, a set is made for the test editor and given a ring with Proofread and Select
// All; then the wheel, opened over the test editor, shows that ring and its slots work.
#include "lineprocess.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/jsondecodeerror.h"
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "settingsprobe.h"
#include "testsupport.h"
#include "wheelgestures.h"
#include "wheel/wheelset.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::SettingsProbe;
using TestSupport::fixed;
using TestSupport::typo;
using TestSupport::xdotool;

namespace {
const QString editorTitle = QStringLiteral("wheel editor test");

QList<WheelSet> storedSets(RingleProcess &ringle)
{
    const JsonFileDefaults stored(ringle.configHome() + QStringLiteral("/Ringle/defaults.json"));
    try {
        return WheelSet::decodeList(stored.dataValue(QStringLiteral("wheelSets")).value_or(QByteArray()));
    } catch (const JsonDecodeError &) {
        return {};
    }
}
} // namespace

class ItestWheelEditor final : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    ModelServerProcess m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QVERIFY(m_server.isRunning());
        // The test editor as an installed application, matched to its window by class.
        QDir().mkpath(m_data.filePath(QStringLiteral("applications")));
        QFile entry(m_data.filePath(QStringLiteral("applications/ringle-testeditor.desktop")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Ringle Test Editor\nIcon=accessories-text-editor\n"
                    "StartupWMClass=testeditor\nExec=" + TestSupport::programPath(QStringLiteral("testeditor")).toUtf8()
                    + "\n");
        entry.close();
        // A data folder of the system's: the app's own XDG_DATA_HOME is a fresh one of each run.
        const QByteArray system = qEnvironmentVariableIsEmpty("XDG_DATA_DIRS") ? QByteArray("/usr/local/share:/usr/share")
                                                                               : qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", m_data.path().toUtf8() + ':' + system);
    }

    void aRingMadeInTheEditorShowsOnTheWheel()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        LineProcess editor;
        QVERIFY(TestSupport::startTestEditor(editor, editorTitle));

        SettingsProbe probe(ringle);
        QVERIFY(ringle.openSettings());
        QVERIFY2(probe.waitFor(QStringLiteral("controls end")), qPrintable(ringle.transcript()));

        // A new set, bound to the test editor through the running applications.
        QVERIFY(probe.pick(QStringLiteral("addRingOrSet"), {QStringLiteral("New Set")}));
        QVERIFY(probe.typeInto(QStringLiteral("setName"), QStringLiteral("Editing")));
        QVERIFY(probe.pick(QStringLiteral("addApp"), {QStringLiteral("Ringle Test Editor")}));

        // A ring with Proofread on top and Select All on the right.
        QVERIFY(probe.pick(QStringLiteral("addRingOrSet"), {QStringLiteral("New Ring")}));
        QVERIFY(probe.typeInto(QStringLiteral("ringTitle"), QStringLiteral("Checks")));
        QVERIFY(probe.pick(QStringLiteral("slot1"), {QStringLiteral("Proofread")}));
        QVERIFY(probe.pick(QStringLiteral("slot2"),
                     {QStringLiteral("Key Combos"), QStringLiteral("Default Key Combos"), QStringLiteral("Select All Ctrl+A")}));

        // The set's first ring goes, so that the wheel opens on the new one.
        QVERIFY(probe.click(QStringLiteral("row"), QStringLiteral("New Ring")));
        QVERIFY(probe.waitFor(QStringLiteral("controls end")));
        QVERIFY(probe.click(QStringLiteral("control"), QStringLiteral("remove")));
        QVERIFY(probe.waitFor(QStringLiteral("controls end")));

        const QList<WheelSet> sets = storedSets(ringle);
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets.at(1).title, QStringLiteral("Editing"));
        QCOMPARE(sets.at(1).apps, QStringList{QStringLiteral("ringle-testeditor")});
        QCOMPARE(sets.at(1).rings.size(), 1);
        QCOMPARE(sets.at(1).rings.at(0).title, QStringLiteral("Checks"));
        QCOMPARE(sets.at(1).rings.at(0).slots.size(), 4);
        QCOMPARE(sets.at(1).rings.at(0).slots.at(0), WheelSlot(WheelItem::proofread()));
        QVERIFY(sets.at(1).rings.at(0).slots.at(1));
        QCOMPARE(sets.at(1).rings.at(0).slots.at(1)->combo().title, QStringLiteral("Select All"));

        // Over the test editor the wheel shows the new ring, and both slots act on the editor.
        QVERIFY(xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^") + editorTitle + QStringLiteral("$"),
                         QStringLiteral("windowactivate"), QStringLiteral("--sync")}));
        QVERIFY(TestSupport::waitUntilActive(editor.pid(), editorTitle));
        QVERIFY(TestSupport::setAndSelect(editor, typo, 2, 2));
        QVERIFY(TestSupport::shortcutGesture(ringle, 90, 0)); // Select All, on the right
        QVERIFY2(!ringle.waitForLine(QStringLiteral("rings, first \"Checks\"")).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(editor.request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(TestSupport::shortcutGesture(ringle, 0, -90)); // Proofread, at the top
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(editor), fixed, 15000);
    }
};

QTEST_GUILESS_MAIN(ItestWheelEditor)
#include "itest_wheeleditor.moc"
