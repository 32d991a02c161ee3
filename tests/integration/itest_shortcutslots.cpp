// Shortcut slots as a user meets them: the real app with a wheel of script slots, the real
// ringle-shortcuts tool running the user's scripts, the test editor in front, and the wheel driven
// with xdotool. Each run's private folder must be gone afterwards, also when Ringle is ended.
#include "actions/shortcutlisting.h"
#include "lineprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "wheelgestures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::shortcutGesture;

namespace {
const QString words = QStringLiteral("Some words.");

QString shown(const QString &kind, const QString &text)
{
    return RingleProcess::resultPanelShows(kind, text);
}
} // namespace

class ItestShortcutSlots final : public QObject {
    Q_OBJECT

    QTemporaryDir m_temp;
    std::unique_ptr<RingleProcess> m_ringle;

    QString pidFile() const { return m_temp.filePath(QStringLiteral("slow.pid")); }

    // Folders only: the app's instance socket, also "ringle-…", may live here too.
    QStringList runFolders() const
    {
        return QDir(m_temp.path()).entryList({QStringLiteral("ringle-*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // The identifiers of the scripts as the tool lists them, by name.
    QHash<QString, QString> listedIdentifiers() const
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_ringle->configHome());
        tool.setProcessEnvironment(environment);
        tool.start(TestSupport::buildPath(QStringLiteral("src/app/ringle-shortcuts")),
                   {QStringLiteral("list"), QStringLiteral("--show-identifiers")});
        QHash<QString, QString> ids;
        if (!tool.waitForFinished(10000))
            return ids;
        for (const ShortcutInfo &shortcut : parseShortcutListing(QString::fromUtf8(tool.readAllStandardOutput())))
            ids.insert(shortcut.name, shortcut.id);
        return ids;
    }

    // The test editor with `words` selected, and the slot in direction (dx, dy) chosen on it.
    std::unique_ptr<LineProcess> chooseSlotOnWords(int dx, int dy)
    {
        auto editor = TestSupport::editorWith(words, 0, int(words.size()));
        if (!editor || !shortcutGesture(*m_ringle, dx, dy))
            return nullptr;
        return editor;
    }

private Q_SLOTS:
    // One ring of script slots: the example "Upper Case" at the top, a failing script on the
    // right, a slow one at the bottom. The app runs with a temporary directory of its own.
    void init()
    {
        m_ringle = std::make_unique<RingleProcess>();
        const QString config = m_ringle->configHome();
        const QString example = QFINDTESTDATA("../examples/scripts/Upper Case.sh");
        QVERIFY(!example.isEmpty());
        QVERIFY(QDir().mkpath(config + QStringLiteral("/Ringle/Shortcuts")));
        QVERIFY(QFile::copy(example, config + QStringLiteral("/Ringle/Shortcuts/Upper Case.sh")));
        QVERIFY(TestSupport::writeShortcutScript(config, "Check Spelling.sh",
                                                 "echo 'the dictionary is missing' >&2; exit 1"));
        QVERIFY(TestSupport::writeShortcutScript(config, "Slow.sh", "echo $$ > '" + pidFile().toUtf8() + "'; sleep 60"));

        const QHash<QString, QString> ids = listedIdentifiers();
        QCOMPARE(ids.size(), 3);
        QList<WheelSet> sets = WheelStore::shippedDefault();
        sets[0].rings[0].slots = {WheelItem::shortcut(QStringLiteral("Upper Case"), ids.value(QStringLiteral("Upper Case"))),
                                  WheelItem::shortcut(QStringLiteral("Check Spelling"), ids.value(QStringLiteral("Check Spelling"))),
                                  WheelItem::shortcut(QStringLiteral("Slow"), ids.value(QStringLiteral("Slow"))),
                                  WheelItem::ask()};
        QVERIFY(m_ringle->configure(QStringLiteral("wheelSets"), QString::fromUtf8(WheelSet::encodeList(sets))));
        m_ringle->setEnvironment(QStringLiteral("TMPDIR"), m_temp.path());
        QVERIFY(m_ringle->start());
    }

    void cleanup()
    {
        TestSupport::xdotool({QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("ctrl"), QStringLiteral("alt")});
        m_ringle.reset();
        QCOMPARE(runFolders(), QStringList{});
    }

    void upperCasesAnIndentedLineAndKeepsItsIndentation()
    {
        const QString text = QStringLiteral("first line\n    indented words\nlast line");
        const int from = int(text.indexOf(QStringLiteral("    indented")));
        const int to = int(text.indexOf(QStringLiteral("last")));
        auto editor = TestSupport::editorWith(text, from, to);
        QVERIFY(editor);

        QVERIFY(shortcutGesture(*m_ringle, 0, -90));
        QVERIFY2(!m_ringle->waitForLine(shown(QStringLiteral("working"), QStringLiteral("Running Upper Case…"))).isEmpty(),
                 qPrintable(m_ringle->transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), QStringLiteral("first line\n    INDENTED WORDS\nlast line"),
                                  15000);
        // After "Done" has offered to undo for a few seconds.
        QVERIFY(m_ringle->seesWithin(QStringLiteral("ringle.resultpanel: hidden"), 8000));
        QCOMPARE(runFolders(), QStringList{});
    }

    void aFailingScriptShowsItsMessage()
    {
        auto editor = chooseSlotOnWords(90, 0);
        QVERIFY(editor);
        QVERIFY2(!m_ringle->waitForLine(shown(QStringLiteral("failed"), QStringLiteral("The shortcut failed: the dictionary is missing")))
                      .isEmpty(),
                 qPrintable(m_ringle->transcript()));
        QTRY_VERIFY_WITH_TIMEOUT(m_ringle->transcript().contains(
                                     QStringLiteral("ringle.tray: status line: The shortcut failed: the dictionary is missing")),
                                 3000);
        QCOMPARE(TestSupport::editorText(*editor), words);
        QCOMPARE(runFolders(), QStringList{});
    }

    void endingRingleMidRunEndsTheScriptAndLeavesNoFolder()
    {
        auto editor = chooseSlotOnWords(0, 90);
        QVERIFY(editor);
        QTRY_VERIFY_WITH_TIMEOUT(QFile(pidFile()).size() > 0, 15000);
        QCOMPARE(runFolders().size(), 1);
        QFile file(pidFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const pid_t script = pid_t(file.readAll().trimmed().toInt());
        QVERIFY(script > 0 && ::kill(script, 0) == 0);

        // A clean quit: exit code 0, and the sanitizers found nothing left behind.
        QVERIFY2(m_ringle->signalAndWait(SIGTERM, 10000), qPrintable(m_ringle->transcript()));
        const QString said = m_ringle->unreadLines().join(QLatin1Char('\n'));
        QVERIFY2(!said.contains(QStringLiteral("Sanitizer")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("ringle.shortcuts: ending a shortcut that is still running")), qPrintable(said));
        QCOMPARE(runFolders(), QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(::kill(script, 0) != 0, 3000);
        QCOMPARE(TestSupport::editorText(*editor), words);
    }
};

QTEST_GUILESS_MAIN(ItestShortcutSlots)
#include "itest_shortcutslots.moc"
