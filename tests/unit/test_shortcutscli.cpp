// ShortcutsCLI against the real Shortcuts tool running real scripts from a private scripts folder.
#include "base/ringleerror.h"
#include "actions/shortcutscli.h"
#include "lineprocess.h"
#include "taskrunner.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <csignal>
#include <memory>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
constexpr qsizetype fiveMegabytes = 5 * 1024 * 1024;

QString toolPath()
{
    return TestSupport::buildPath(QStringLiteral("src/app/ringle-shortcuts"));
}

// The message a run ended with: a RingleError's text, another error's own, or empty.
QString messageOf(const std::exception_ptr &error)
{
    if (const std::optional<RingleError> ringle = TaskRunner::errorAs<RingleError>(error))
        return ringle->errorDescription();
    if (const std::optional<std::runtime_error> other = TaskRunner::errorAs<std::runtime_error>(error))
        return QString::fromUtf8(other->what());
    return {};
}
} // namespace

class TestShortcutsCLI final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QTemporaryDir m_temp;
    QDir m_scripts;
    std::unique_ptr<ShortcutsCLI> m_cli;

    void addScript(const QByteArray &relative, const QByteArray &body)
    {
        QVERIFY(TestSupport::writeShortcutScript(m_config->path(), relative, body));
    }

    QList<ShortcutFolder> folders()
    {
        const auto outcome = TaskRunner::run(m_cli->folders());
        return outcome.value.value_or(QList<ShortcutFolder>{});
    }

    QString idOf(const QString &name)
    {
        for (const ShortcutFolder &folder : folders()) {
            for (const ShortcutInfo &shortcut : folder.shortcuts) {
                if (shortcut.name == name)
                    return shortcut.id;
            }
        }
        return {};
    }

    QStringList runFolders() const
    {
        return QDir(m_temp.path()).entryList({QStringLiteral("ringle-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_config.reset(TestSupport::isolateConfigHome());
        qputenv("TMPDIR", m_temp.path().toUtf8());
        QCOMPARE(QDir::tempPath(), m_temp.path());
        m_scripts.setPath(m_config->path() + QStringLiteral("/Ringle/Shortcuts"));
        QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath()));
    }

    void init()
    {
        QVERIFY(m_scripts.removeRecursively());
        QVERIFY(m_scripts.mkpath(QStringLiteral(".")));
        m_cli = std::make_unique<ShortcutsCLI>(toolPath());
    }

    void cleanup()
    {
        m_cli.reset();
        QCOMPARE(runFolders(), QStringList{});
    }

    void runs_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<std::optional<QString>>("input");
        QTest::addColumn<std::optional<QString>>("output");
        QTest::addColumn<QString>("failure");
        using Text = std::optional<QString>;
        const Text none;

        QTest::newRow("indentation and line break kept")
            << QByteArray("tr a-z A-Z") << Text(u"  hello world\n"_qs) << Text(u"  HELLO WORLD\n"_qs) << QString();
        QTest::newRow("mixed white space on both sides")
            << QByteArray("tr a-z A-Z") << Text(u"\t\n x y \n\n"_qs) << Text(u"\t\n X Y \n\n"_qs) << QString();
        QTest::newRow("CRLF kept") << QByteArray("tr a-z A-Z") << Text(u"line\r\n"_qs) << Text(u"LINE\r\n"_qs) << QString();
        QTest::newRow("text beyond ASCII")
            << QByteArray("cat") << Text(u" grüße 😀 \u00e9\u0301\n"_qs) << Text(u" grüße 😀 \u00e9\u0301\n"_qs) << QString();
        QTest::newRow("the output's own white space goes")
            << QByteArray("cat >/dev/null; printf '\\n\\n  done  \\n'") << Text(u"abc"_qs) << Text(u"done"_qs) << QString();
        QTest::newRow("without input: trimmed output") << QByteArray("printf '  hi  \\n'") << none << Text(u"hi"_qs) << QString();
        QTest::newRow("without input: standard input is empty")
            << QByteArray("echo \"read $(wc -c)\"") << none << Text(u"read 0"_qs) << QString();
        QTest::newRow("no output") << QByteArray("cat >/dev/null") << Text(u"abc"_qs) << none << QString();
        QTest::newRow("blank output") << QByteArray("printf ' \\n\\t\\n'") << Text(u"abc"_qs) << none << QString();
        QTest::newRow("output that is not UTF-8") << QByteArray("printf 'caf\\351'") << Text(u"abc"_qs) << none << QString();
        QTest::newRow("a warning on standard error does not fail")
            << QByteArray("echo careful >&2; echo ok") << Text(u"abc"_qs) << Text(u"ok"_qs) << QString();
        QTest::newRow("failure with a message")
            << QByteArray("echo 'no network' >&2; exit 3") << Text(u"abc"_qs) << none << u"The shortcut failed: no network"_qs;
        QTest::newRow("failure: message trimmed, output ignored")
            << QByteArray("echo out; printf '\\n  bad input\\n\\n' >&2; exit 1") << none << none
            << u"The shortcut failed: bad input"_qs;
        QTest::newRow("failure without a message") << QByteArray("exit 1") << Text(u"abc"_qs) << none
                                                   << u"The shortcut failed: unknown error"_qs;
        QTest::newRow("a message with a bad byte")
            << QByteArray("printf 'bad \\377 byte' >&2; exit 2") << none << none << u"The shortcut failed: bad \ufffd byte"_qs;
        QTest::newRow("a script that dies of a signal") << QByteArray("kill -9 $$") << none << none
                                                         << u"The shortcut failed: Script ended with signal 9 (Killed)."_qs;
        QTest::newRow("the run folder is the user's alone")
            << QByteArray("stat -c %a \"$(dirname \"$(readlink /proc/$$/fd/0)\")\"") << Text(u"x"_qs) << Text(u"700"_qs)
            << QString();
    }

    void runs()
    {
        QFETCH(QByteArray, body);
        QFETCH(std::optional<QString>, input);
        QFETCH(std::optional<QString>, output);
        QFETCH(QString, failure);
        addScript("Script.sh", body);
        const QString id = idOf(QStringLiteral("Script"));
        QCOMPARE(id.size(), 36);

        const auto outcome = TaskRunner::run(m_cli->run(id, input));
        QCOMPARE(messageOf(outcome.error), failure);
        if (failure.isEmpty())
            QCOMPARE(*outcome.value, output);
        QCOMPARE(runFolders(), QStringList{});
    }

    void megabytesOnEveryStreamDoNotStall()
    {
        // Standard input and output through files, standard error through a pipe: all far beyond a
        // pipe's buffer.
        addScript("Big.sh", "tr a-z A-Z; head -c 5242880 /dev/zero | tr '\\0' e >&2");
        addScript("Loud failure.sh", "head -c 5242880 /dev/zero | tr '\\0' e >&2; exit 1");
        const QString input = u"  "_qs + QString(fiveMegabytes, u'a') + u"\n"_qs;
        QElapsedTimer timer;
        timer.start();
        const auto big = TaskRunner::run(m_cli->run(idOf(QStringLiteral("Big")), input));
        QVERIFY(!big.error);
        QCOMPARE(big.value->value_or(QString()), u"  "_qs + QString(fiveMegabytes, u'A') + u"\n"_qs);
        qInfo("5 MB through a script in %lld ms", qlonglong(timer.elapsed()));

        const auto loud = TaskRunner::run(m_cli->run(idOf(QStringLiteral("Loud failure")), std::nullopt));
        QCOMPARE(messageOf(loud.error), u"The shortcut failed: "_qs + QString(ShortcutsCLI::errorCap, u'e'));
    }

    void unknownShortcutAndMissingToolAreTold()
    {
        const auto unknown = TaskRunner::run(m_cli->run(u"00000000-0000-0000-0000-000000000000"_qs, u"x"_qs));
        QVERIFY2(messageOf(unknown.error).startsWith(u"The shortcut failed: There is no shortcut 00000000-"_qs),
                 qPrintable(messageOf(unknown.error)));

        ShortcutsCLI missing(m_temp.filePath(QStringLiteral("no-such-tool")));
        const auto launch = TaskRunner::run(missing.run(u"X"_qs, u"x"_qs));
        QVERIFY2(messageOf(launch.error).startsWith(u"Couldn't start "_qs + m_temp.filePath(QStringLiteral("no-such-tool"))),
                 qPrintable(messageOf(launch.error)));
        const auto listing = TaskRunner::run(missing.folders());
        QVERIFY(listing.error);
    }

    void quittingEndsARunningScript()
    {
        const QString pidFile = m_temp.filePath(QStringLiteral("pid"));
        addScript("Slow.sh", "echo $$ > '" + pidFile.toUtf8() + "'; sleep 60 & wait");
        const QString id = idOf(QStringLiteral("Slow"));
        std::optional<TaskRunner::Outcome<std::optional<QString>>> outcome;
        auto waiting = [](QCoro::Task<std::optional<QString>> task, auto *into) -> QCoro::Task<void> {
            *into = co_await TaskRunner::capture(std::move(task));
        };
        auto task = waiting(m_cli->run(id, u"text"_qs), &outcome);
        QTRY_VERIFY(QFile::exists(pidFile) && QFile(pidFile).size() > 0);
        QCOMPARE(runFolders().size(), 1);
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const pid_t script = pid_t(file.readAll().trimmed().toInt());
        QVERIFY(script > 0);

        QElapsedTimer timer;
        timer.start();
        m_cli.reset();
        QVERIFY(timer.elapsed() < ShortcutsCLI::quitGrace.count());
        // The run has finished before the object is gone, and its folder with it.
        QVERIFY(outcome);
        QVERIFY(outcome->error);
        QCOMPARE(runFolders(), QStringList{});
        QTRY_VERIFY(::kill(script, 0) != 0);
    }

    void listsScriptsByFolder()
    {
        addScript("Upper.sh", "tr a-z A-Z");
        addScript("sort lines.py", "sort");
        addScript("Text/Count Words.sh", "wc -w");
        addScript("Text/Fix (draft).sh", "cat");
        addScript(".hidden.sh", "cat");
        addScript("backup.sh~", "cat");
        QVERIFY(m_scripts.mkpath(QStringLiteral("Empty")));
        QVERIFY(m_scripts.mkpath(QStringLiteral("Deep/er")));
        addScript("Deep/er/Too deep.sh", "cat");
        QFile notes(m_scripts.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));

        const QList<ShortcutFolder> listed = folders();
        QStringList shape;
        for (const ShortcutFolder &folder : listed) {
            QStringList names;
            for (const ShortcutInfo &shortcut : folder.shortcuts) {
                names.append(shortcut.name);
                QVERIFY2(shortcut.id.size() == 36 && shortcut.id == shortcut.id.toUpper(), qPrintable(shortcut.id));
            }
            shape.append(folder.name + u": "_qs + names.join(u", "_qs));
        }
        QCOMPARE(shape, (QStringList{u"Text: Count Words, Fix (draft)"_qs, u"Other: sort lines, Upper"_qs}));

        QVERIFY(m_scripts.removeRecursively());
        addScript("Upper.sh", "tr a-z A-Z");
        QCOMPARE(folders().value(0).name, u"All Shortcuts"_qs);
    }

    void identifiersStayWhenOtherScriptsChange()
    {
        addScript("Upper.sh", "tr a-z A-Z");
        addScript("Other.sh", "cat");
        const QString upper = idOf(QStringLiteral("Upper"));
        QVERIFY(QFile::rename(m_scripts.filePath(QStringLiteral("Other.sh")), m_scripts.filePath(QStringLiteral("Renamed.sh"))));
        addScript("Text/New.sh", "cat");
        QCOMPARE(idOf(QStringLiteral("Upper")), upper);
        QVERIFY(idOf(QStringLiteral("Renamed")) != idOf(QStringLiteral("Other")));
        QCOMPARE(TaskRunner::run(m_cli->run(upper, u"ok"_qs)).value, std::optional<QString>(u"OK"_qs));
    }

    void exampleScriptsDoWhatTheySay_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("failure");
        QTest::newRow("upper case") << u"Upper Case"_qs << u"  grüße, world\n"_qs << u"  GRÜßE, WORLD\n"_qs << QString();
        QTest::newRow("sort lines") << u"Sort Lines"_qs << u"pear\napple\nfig\n"_qs << u"apple\nfig\npear\n"_qs << QString();
        QTest::newRow("count words") << u"Count Words"_qs << u" one two  three\n"_qs << u" one two  three (3 words)\n"_qs << QString();
        QTest::newRow("format JSON") << u"Format JSON"_qs << u"{\"a\": [1]}"_qs << u"{\n  \"a\": [\n    1\n  ]\n}"_qs << QString();
        QTest::newRow("format JSON refuses other text")
            << u"Format JSON"_qs << u"nope"_qs << QString() << u"The shortcut failed: Expecting value: line 1 column 1 (char 0)"_qs;
    }

    void exampleScriptsDoWhatTheySay()
    {
        QFETCH(QString, example);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, failure);
        const QString source = QFINDTESTDATA(u"../examples/scripts/"_qs + example + u".sh"_qs);
        QVERIFY(!source.isEmpty());
        QVERIFY(QFile::copy(source, m_scripts.filePath(example + u".sh"_qs)));
        const auto outcome = TaskRunner::run(m_cli->run(idOf(example), input));
        QCOMPARE(messageOf(outcome.error), failure);
        if (failure.isEmpty())
            QCOMPARE(outcome.value->value_or(QString()), output);
    }

    void oddFileNamesListAndRun()
    {
        addScript("two\nlines.sh", "echo newline");
        addScript("caf\xff.sh", "echo latin");
        addScript("Fix (v2) (ABCDEFAB-ABCD-ABCD-ABCD-ABCDEFABCDEF).sh", "echo parentheses");
        const QList<ShortcutInfo> all = folders().value(0).shortcuts;
        QCOMPARE(all.size(), 3);
        QStringList ran;
        for (const ShortcutInfo &shortcut : all)
            ran.append(shortcut.name + u" → "_qs + TaskRunner::run(m_cli->run(shortcut.id, std::nullopt)).value->value_or(QString()));
        QCOMPARE(ran, (QStringList{u"caf\ufffd → latin"_qs, u"Fix (v2) (ABCDEFAB-ABCD-ABCD-ABCD-ABCDEFABCDEF) → parentheses"_qs,
                                   u"two lines → newline"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestShortcutsCLI)
#include "test_shortcutscli.moc"
