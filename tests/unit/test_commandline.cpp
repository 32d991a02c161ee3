// The real `ringle` executable's command-line manners: help, version and settings work without a
// display; wrong usage gets the usage on standard error and exit code 2; starting without a usable X
// display ends with one sentence and exit code 1, never Qt's abort.
#include "app/appidentity.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {
struct Run {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out;
    QString err;
};

Run ringle(const QStringList &arguments, const QStringList &environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    for (const QString &assignment : environment)
        env.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QDir(qEnvironmentVariable("RINGLE_BUILD_DIR")).filePath("src/app/ringle"), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
} // namespace

class TestCommandLine final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_home.reset(new QTemporaryDir);
        m_config = "XDG_CONFIG_HOME=" + m_home->path();
    }

    void mannersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");  // stdout starts with this
        QTest::addColumn<QString>("err");  // stderr is exactly this (or starts with it when it ends in "…")

        const QString noDisplay = "Ringle needs an X11 display, but DISPLAY is not set: start it from an X11 session.\n";
        const QString noCompositor = "Ringle cannot connect to the Wayland compositor at \"wayland-0\".\n";
        const QString usage = "Usage: ringle [--backend=x11|wayland] [OPTION]\n";
        QTest::newRow("--help") << QStringList{"--help"} << QStringList{} << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << QStringList{} << 0 << usage << "";
        QTest::newRow("--version") << QStringList{"--version"} << QStringList{} << 0
                                   << "ringle " + AppIdentity::version() + "\nCopyright the Ringle developers.\n"
                                          "License GPL-3.0-or-later: " << "";
        QTest::newRow("config --help") << QStringList{"config", "--help"} << QStringList{} << 0
                                       << "Usage: ringle config list\n" << "";
        QTest::newRow("config list") << QStringList{"config", "list"} << QStringList{} << 0 << "" << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << QStringList{} << 2 << ""
                                        << "ringle: unknown option --frobnicate\n" + usage + "…";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringList{} << 2 << ""
                                         << "ringle: unknown command frobnicate\n" + usage + "…";
        QTest::newRow("option with extra word") << QStringList{"--help", "me"} << QStringList{} << 2 << ""
                                                << "ringle: --help takes no further words\n…";
        QTest::newRow("config without command") << QStringList{"config"} << QStringList{} << 2 << ""
                                                << "Usage: ringle config list\n…";
        QTest::newRow("start, no DISPLAY") << QStringList{} << QStringList{} << 1 << "" << noDisplay;
        QTest::newRow("settings, no DISPLAY") << QStringList{"--settings"} << QStringList{} << 1 << "" << noDisplay;
        QTest::newRow("demo, no DISPLAY") << QStringList{"--demo-wheel"} << QStringList{} << 1 << "" << noDisplay;
        QTest::newRow("Wayland without a compositor") << QStringList{} << QStringList{"WAYLAND_DISPLAY=wayland-0"} << 1
                                                      << "" << noCompositor;
        QTest::newRow("Wayland platform asked for") << QStringList{}
                                                    << QStringList{"WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=wayland"}
                                                    << 1 << "" << noCompositor;
        QTest::newRow("X11 forced, no DISPLAY") << QStringList{"--backend=x11"} << QStringList{"WAYLAND_DISPLAY=wayland-0"}
                                                << 1 << "" << noDisplay;
        QTest::newRow("Wayland forced without it") << QStringList{} << QStringList{"RINGLE_BACKEND=wayland"} << 1 << ""
                                                   << "Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set.\n";
        QTest::newRow("unknown backend") << QStringList{"--backend=mir"} << QStringList{} << 2 << ""
                                         << "ringle: --backend needs x11 or wayland, not \"mir\"\n" + usage + "…";
        QTest::newRow("unknown backend in the environment") << QStringList{} << QStringList{"RINGLE_BACKEND=mir"} << 1 << ""
                                                            << "The backend must be x11 or wayland, not \"mir\".\n";
        QTest::newRow("doctor, no display") << QStringList{"doctor"} << QStringList{} << 1 << "" << noDisplay;
        QTest::newRow("wheel without a gesture") << QStringList{"wheel"} << QStringList{} << 2 << ""
                                                 << "ringle: wheel takes press, release or toggle\n" + usage + "…";
        QTest::newRow("wheel press, nothing running") << QStringList{"wheel", "press"} << QStringList{} << 1 << ""
                                                      << "Ringle is not running.\n";
        QTest::newRow("unreachable display") << QStringList{} << QStringList{"DISPLAY=:4242"} << 1 << ""
                                             << "Ringle needs an X11 display, but it cannot connect to \":4242\".\n";
    }

    void mannersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = ringle(arguments, environment + QStringList{m_config});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.code, code);
        QVERIFY2(out.isEmpty() || run.out.startsWith(out), qPrintable(run.out));
        if (out.isEmpty() && code != 0)
            QCOMPARE(run.out, QString());
        if (err.endsWith(u'…'))
            QVERIFY2(run.err.startsWith(err.chopped(1)), qPrintable(run.err));
        else
            QCOMPARE(run.err, err);
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_config;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
