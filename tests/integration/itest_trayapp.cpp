// The tray application as a user starts it: without a tray it says how to reach the settings and
// shows its icon once a tray appears; a second start hands over to the running one; --settings opens
// the settings window of the running instance; Ctrl+Q in that window quits.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString ringlePath()
{
    return QDir(qEnvironmentVariable("RINGLE_BUILD_DIR")).filePath(QStringLiteral("src/app/ringle"));
}

QByteArray run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    process.waitForFinished(15000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAll().trimmed();
}

QString firstWindow(const QString &namePattern)
{
    return QString::fromUtf8(run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--name"), namePattern})
                                 .split('\n')
                                 .first());
}

// Whether Ringle's icon window is embedded in the tray's panel.
bool trayHoldsRingle(const QString &panel)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), panel})
        .contains("(\"ringle\" \"Ringle\")");
}
} // namespace

class ItestTrayApp final : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    QProcess m_ringle;
    QProcess m_trayer;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QVERIFY(QFileInfo::exists(ringlePath()));
        // Qt's accessibility bridge holds a copy of each key event until the bus answers, so a
        // quit by Ctrl+Q leaves the key release's copy behind. Full stacks let the leak checker
        // see where it comes from and pass over it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                               environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":fast_unwind_on_malloc=0"));
        m_ringle.setProcessEnvironment(environment);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_ringle, &m_trayer}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    void withoutTrayItSaysHowToReachTheSettings()
    {
        m_ringle.start(ringlePath(), {});
        QVERIFY(m_ringle.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += m_ringle.readAllStandardError()).contains("ringle --settings"), 10000);
        // It is said once, although the tray is looked for again and again.
        QTest::qWait(2500);
        said += m_ringle.readAllStandardError();
        QCOMPARE(said.count("no system tray"), 1);
        QCOMPARE(m_ringle.state(), QProcess::Running);
    }

    void theIconAppearsWhenATrayStarts()
    {
        m_trayer.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                                                  QStringLiteral("right"), QStringLiteral("--widthtype"),
                                                  QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("28")});
        QVERIFY(m_trayer.waitForStarted());
        QString panel;
        QTRY_VERIFY_WITH_TIMEOUT(!(panel = firstWindow(QStringLiteral("^panel$"))).isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(trayHoldsRingle(panel), 10000);
    }

    void aSecondStartHandsOver()
    {
        int code = -1;
        const QByteArray said = run(ringlePath(), {}, &code);
        QCOMPARE(code, 0);
        QVERIFY2(said.contains("Ringle is already running."), said.constData());
        QVERIFY(firstWindow(QStringLiteral("^Ringle$")).isEmpty());

        run(ringlePath(), {QStringLiteral("--settings")}, &code);
        QCOMPARE(code, 0);
        QString settings;
        QTRY_VERIFY_WITH_TIMEOUT(!(settings = firstWindow(QStringLiteral("^Ringle$"))).isEmpty(), 10000);
        QCOMPARE(m_ringle.state(), QProcess::Running);

        run(ringlePath(), {QStringLiteral("--bogus")}, &code);
        QCOMPARE(code, 2);
    }

    void controlQInTheSettingsQuits()
    {
        const QString settings = firstWindow(QStringLiteral("^Ringle$"));
        QVERIFY(!settings.isEmpty());
        run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), settings});
        run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+q")});
        QVERIFY(m_ringle.waitForFinished(10000));
        QVERIFY2(m_ringle.exitStatus() == QProcess::NormalExit && m_ringle.exitCode() == 0,
                 m_ringle.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(ItestTrayApp)
#include "itest_trayapp.moc"
