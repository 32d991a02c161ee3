// The real `ringle` executable's command-line manners: help, version and settings work without a
// display; wrong usage gets the usage on standard error and exit code 2; starting without a usable X
// display ends with one sentence and exit code 1, never Qt's abort. All of it in the user's language.
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
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    // English unless a case asks for another language.
    env.insert(u"LANGUAGE"_qs, u"en"_qs);
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

    // The language comes from LANGUAGE or else LANG, for what is said before the application is
    // made (help, wrong usage, no display) and after it (a running Ringle not found) alike.
    void inTheUsersLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("out"); // stdout starts with this
        QTest::addColumn<QString>("err"); // stderr starts with this

        const QStringList german{"LANGUAGE=de"};
        const QStringList french{"LANGUAGE=", "LANG=fr_FR.UTF-8"};
        QTest::newRow("help, LANGUAGE=de") << QStringList{"--help"} << german
                                           << u"Aufruf: ringle [--backend=x11|wayland] [OPTION]\n  oder: ringle config"_qs
                                           << QString();
        QTest::newRow("help, LANG=fr_FR") << QStringList{"--help"} << french
                                          << u"Utilisation\u00a0: ringle [--backend=x11|wayland] [OPTION]\n"_qs << QString();
        QTest::newRow("help, English first") << QStringList{"--help"} << QStringList{"LANGUAGE=en:de"}
                                             << u"Usage: ringle [--backend=x11|wayland] [OPTION]\n"_qs << QString();
        QTest::newRow("help, the first language translated") << QStringList{"--help"} << QStringList{"LANGUAGE=es:fr"}
                                                             << u"Utilisation\u00a0: ringle"_qs << QString();
        QTest::newRow("wrong usage") << QStringList{"--frobnicate"} << german << QString()
                                     << u"ringle: unbekannte Option --frobnicate\nAufruf: ringle"_qs;
        QTest::newRow("no display") << QStringList{} << french << QString()
                                    << u"Ringle a besoin d’un affichage X11, mais DISPLAY n’est pas défini\u00a0:"_qs;
        QTest::newRow("nothing running") << QStringList{"wheel", "press"} << german << QString() << u"Ringle läuft nicht.\n"_qs;
        QTest::newRow("config help") << QStringList{"config", "--help"} << french
                                     << u"Utilisation\u00a0: ringle config list\n         ou\u00a0: ringle config get CLÉ\n"_qs
                                     << QString();
        QTest::newRow("config, unknown key") << QStringList{"config", "get", "colour"} << german << QString()
                                             << u"Unbekannter Schlüssel „colour“. Bekannte Schlüssel: "_qs;
        QTest::newRow("import of a missing file") << QStringList{"config", "import", "/nonexistent/ringle.json"} << german
                                                  << QString() << u"Es gibt keine Datei /nonexistent/ringle.json.\n"_qs;
        QTest::newRow("import, a refused file") << QStringList{"config", "import", "/"} << french << QString()
                                                << u"/ est un dossier, pas un fichier.\n"_qs;
    }

    void inTheUsersLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = ringle(arguments, environment + QStringList{m_config});
        QCOMPARE(run.status, QProcess::NormalExit);
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_config;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
