#include "app/appidentity.h"
#include "app/autostartentry.h"
#include "app/configcommand.h"
#include "platform/fake/memorydefaults.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {
struct Outcome {
    int code = 0;
    QString out;
    QString err;
};

Outcome startAtLogin(const QStringList &words)
{
    MemoryDefaults defaults;
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = ConfigCommand::run(QStringList{"start-at-login"} + words, defaults, out, err);
    return outcome;
}
} // namespace

class TestAutostartEntry final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_home.reset(TestSupport::isolateConfigHome()); }

    void execArgumentQuotesAndEscapes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/ringle" << "/usr/bin/ringle";
        QTest::newRow("space") << "/home/a b/ringle" << "\"/home/a b/ringle\"";
        QTest::newRow("double quote") << "/x/\"q\"/ringle" << "\"/x/\\\\\"q\\\\\"/ringle\"";
        QTest::newRow("dollar and backtick") << "/x/$HOME`/ringle" << "\"/x/\\\\$HOME\\\\`/ringle\"";
        QTest::newRow("backslash") << "/x/a\\b/ringle" << "\"/x/a\\\\\\\\b/ringle\"";
        QTest::newRow("percent alone needs no quotes") << "/x/100%/ringle" << "/x/100%%/ringle";
        QTest::newRow("single quote") << "/x/it's/ringle" << "\"/x/it's/ringle\"";
        QTest::newRow("newline") << "/x/a\nb/ringle" << "\"/x/a\\nb/ringle\"";
        QTest::newRow("non-ASCII") << "/home/zoë/ringle" << "/home/zoë/ringle";
    }

    void execArgumentQuotesAndEscapes()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(AutostartEntry::execArgument(path), exec);
    }

    void entryIsInTheAutostartFolderNamedAfterTheDesktopId()
    {
        QCOMPARE(AutostartEntry::filePath(), m_home->path() + "/autostart/" + AppIdentity::desktopId() + ".desktop");
    }

    void turningOnWritesAValidEntryAndOffRemovesIt()
    {
        QVERIFY(!AutostartEntry::isEnabled());
        QString error;
        QVERIFY2(AutostartEntry::setEnabled(true, &error), qPrintable(error));
        QVERIFY(AutostartEntry::isEnabled());
        QFile file(AutostartEntry::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nExec=" + AutostartEntry::execArgument(QCoreApplication::applicationFilePath()).toUtf8() + "\n"));
        validate(AutostartEntry::filePath());

        QVERIFY2(AutostartEntry::setEnabled(true, &error), qPrintable(error)); // again: still one entry
        QVERIFY(AutostartEntry::setEnabled(false, &error));
        QVERIFY(!AutostartEntry::isEnabled());
        QVERIFY2(AutostartEntry::setEnabled(false, &error), "turning off what is off succeeds");
    }

    void entryForAnAwkwardPathIsValid()
    {
        const QString path = m_home->path() + "/entry.desktop";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(AutostartEntry::contents("/opt/my \"odd\" $place\\ 100%/ringle"));
        file.close();
        validate(path);
    }

    void aFolderInTheWaySaysWhy()
    {
        QFile blocker(m_home->path() + "/autostart");
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QString error;
        QVERIFY(!AutostartEntry::setEnabled(true, &error));
        QVERIFY2(error.contains(m_home->path() + "/autostart"), qPrintable(error));
        QVERIFY(!AutostartEntry::isEnabled());
    }

    void configSubcommand()
    {
        QCOMPARE(startAtLogin({}).out, "off\n");
        QCOMPARE(startAtLogin({"on"}).code, 0);
        QVERIFY(AutostartEntry::isEnabled());
        QCOMPARE(startAtLogin({}).out, "on\n");
        QCOMPARE(startAtLogin({"off"}).code, 0);
        QVERIFY(!AutostartEntry::isEnabled());
        for (const QStringList &bad : {QStringList{"yes"}, QStringList{"on", "off"}}) {
            const Outcome outcome = startAtLogin(bad);
            QCOMPARE(outcome.code, 2);
            QVERIFY(outcome.err.contains("start-at-login [on|off]"));
        }
        QVERIFY(!AutostartEntry::isEnabled());
    }

private:
    static void validate(const QString &path)
    {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing; scripts/install-deps installs it");
        QProcess process;
        process.start(validator, {path});
        QVERIFY(process.waitForFinished(10000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardOutput().constData());
    }

    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostartentry.moc"
