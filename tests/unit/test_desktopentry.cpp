#include "platform/linux/desktopentry.h"
#include "platform/linux/desktopentryindex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace DesktopEntryParser;

namespace {
DesktopEntry entryWithExec(const QString &exec)
{
    DesktopEntry e;
    e.exec = exec;
    e.name = u"My App"_qs;
    e.icon = u"my-icon"_qs;
    e.path = u"/usr/share/applications/my.desktop"_qs;
    return e;
}

DesktopEntry entry(const QString &id, const QString &wmClass = {})
{
    DesktopEntry e;
    e.id = id;
    e.startupWmClass = wmClass;
    return e;
}

bool write(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size();
}
} // namespace

class TestDesktopEntry final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseFields()
    {
        const QByteArray file = "# comment\n[Desktop Entry]\r\nType=Application\r\nName=Editor\nName[de]=Bearbeiter\n"
                                "Name[de_AT]=Editorl\nIcon = text-editor \nExec=ed %U\nNoDisplay=true\nTerminal=false\n"
                                "Name=Second name is ignored\nComment=a\\sb\n[Desktop Action new]\nName=New Window\nExec=other\n";
        const auto e = parse(file, {u"de_AT"_qs, u"de"_qs});
        QVERIFY(e);
        QCOMPARE(e->type, u"Application"_qs);
        QCOMPARE(e->name, u"Editorl"_qs);
        QCOMPARE(e->icon, u"text-editor"_qs);
        QCOMPARE(e->exec, u"ed %U"_qs);
        QVERIFY(e->noDisplay);
        QVERIFY(!e->terminal);
        QCOMPARE(parse(file, {u"fr"_qs})->name, u"Editor"_qs);
        QCOMPARE(parse(file, {u"de_CH"_qs, u"de"_qs})->name, u"Bearbeiter"_qs);
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("parses");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("no group") << QByteArray("Name=x\nExec=y\n") << false;
        QTest::newRow("only another group") << QByteArray("[Desktop Action x]\nExec=y\n") << false;
        QTest::newRow("binary with NUL") << QByteArray("[Desktop Entry]\nName=a\0b\n", 24) << false;
        QTest::newRow("too large") << (QByteArray("[Desktop Entry]\nName=") + QByteArray(maxFileSize, 'x')) << false;
        QTest::newRow("invalid UTF-8") << QByteArray("[Desktop Entry]\nName=\xff\xfe\xc3\n") << true;
        QTest::newRow("keys without values") << QByteArray("[Desktop Entry]\n=\nName\n==\nExec=\n") << true;
        QTest::newRow("huge line") << (QByteArray("[Desktop Entry]\nName=") + QByteArray(200000, 'y') + '\n') << true;
        QTest::newRow("unterminated group") << QByteArray("[Desktop Entry\nName=x\n") << false;
    }
    void hostileFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, parses);
        const auto e = parse(contents, {u"en"_qs});
        QCOMPARE(e.has_value(), parses);
        if (e)
            QVERIFY(!execArguments(*e)); // none of them names a program
    }

    void exec_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("args"); // empty: invalid
        QTest::newRow("file codes dropped") << u"gedit %U --new-window %f"_qs << QStringList{u"gedit"_qs, u"--new-window"_qs};
        QTest::newRow("icon, name, location") << u"app %i --title=%c %k"_qs
                                              << QStringList{u"app"_qs, u"--icon"_qs, u"my-icon"_qs, u"--title=My App"_qs,
                                                             u"/usr/share/applications/my.desktop"_qs};
        QTest::newRow("percent escape") << u"printf 100%%"_qs << QStringList{u"printf"_qs, u"100%"_qs};
        QTest::newRow("quoted program with spaces") << u"\"/opt/My App/run\" --x"_qs << QStringList{u"/opt/My App/run"_qs, u"--x"_qs};
        // The file's own escaping comes first: \\ in the file is one backslash for the quoting rules.
        QTest::newRow("escapes inside quotes") << u"sh -c \"echo \\\\\"hi\\\\\" \\\\$HOME \\\\\\\\\""_qs
                                               << QStringList{u"sh"_qs, u"-c"_qs, u"echo \"hi\" $HOME \\"_qs};
        QTest::newRow("value-level space escape splits") << u"app a\\sb"_qs << QStringList{u"app"_qs, u"a"_qs, u"b"_qs};
        QTest::newRow("empty quoted argument kept") << u"app \"\""_qs << QStringList{u"app"_qs, QString()};
        QTest::newRow("unknown code dropped") << u"app %z x"_qs << QStringList{u"app"_qs, u"x"_qs};
        QTest::newRow("tabs and runs of spaces") << u"  app\t\t a   b "_qs << QStringList{u"app"_qs, u"a"_qs, u"b"_qs};
        QTest::newRow("unterminated quote") << u"app \"oops"_qs << QStringList{};
        QTest::newRow("only field codes") << u"%U %f"_qs << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("trailing percent") << u"app 50%"_qs << QStringList{u"app"_qs, u"50%"_qs};
    }
    void exec()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, args);
        const auto result = execArguments(entryWithExec(exec));
        if (args.isEmpty())
            QVERIFY(!result);
        else
            QCOMPARE(result, std::optional<QStringList>(args));
    }

    void locales_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("candidates");
        QTest::newRow("full") << u"sr_RS.UTF-8@latin"_qs << QStringList{u"sr_RS@latin"_qs, u"sr_RS"_qs, u"sr@latin"_qs, u"sr"_qs};
        QTest::newRow("language and country") << u"de_DE.UTF-8"_qs << QStringList{u"de_DE"_qs, u"de"_qs};
        QTest::newRow("language") << u"fr"_qs << QStringList{u"fr"_qs};
        QTest::newRow("C") << u"C.UTF-8"_qs << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void locales()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, candidates);
        QCOMPARE(localeCandidates(locale), candidates);
    }

    void ids()
    {
        QCOMPARE(idForRelativePath(u"org.gnome.Terminal.desktop"_qs), u"org.gnome.Terminal"_qs);
        QCOMPARE(idForRelativePath(u"kde4/konsole.desktop"_qs), u"kde4-konsole"_qs);
    }

    void windowMatching_data()
    {
        QTest::addColumn<QString>("gtkId");
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("expected");
        QTest::newRow("toolkit id") << u"org.gnome.TextEditor"_qs << u"gnome-text-editor"_qs << u"Gnome-text-editor"_qs
                                    << u"org.gnome.TextEditor"_qs;
        QTest::newRow("StartupWMClass") << QString() << u"navigator"_qs << u"firefox-esr"_qs << u"firefox-esr-entry"_qs;
        QTest::newRow("id equals class, any case") << QString() << u"xterm"_qs << u"XTerm"_qs << u"xterm"_qs;
        QTest::newRow("last part of a reverse-DNS id") << QString() << u"konsole"_qs << u"konsole"_qs << u"org.kde.konsole"_qs;
        QTest::newRow("unknown toolkit id falls back to class") << u"com.example.Gone"_qs << u"xterm"_qs << u"XTerm"_qs << u"xterm"_qs;
        QTest::newRow("nothing matches") << QString() << u"mystery"_qs << u"Mystery"_qs << QString();
        QTest::newRow("nothing known") << QString() << QString() << QString() << QString();
    }
    void windowMatching()
    {
        QFETCH(QString, gtkId);
        QFETCH(QString, instance);
        QFETCH(QString, cls);
        QFETCH(QString, expected);
        const QList<DesktopEntry> entries{entry(u"org.gnome.TextEditor"_qs), entry(u"firefox-esr-entry"_qs, u"firefox-esr"_qs),
                                          entry(u"xterm"_qs), entry(u"org.kde.konsole"_qs)};
        const auto match = DesktopEntryIndex::match(entries, gtkId, instance, cls);
        QCOMPARE(match ? match->id : QString(), expected);
    }

    void indexPrecedenceAndChanges()
    {
        QTemporaryDir dir;
        const QString home = dir.filePath(u"home/applications"_qs), system = dir.filePath(u"system/applications"_qs);
        QVERIFY(write(home + u"/shadowed.desktop"_qs, "[Desktop Entry]\nType=Application\nName=Home\nExec=a\n"));
        QVERIFY(write(system + u"/shadowed.desktop"_qs, "[Desktop Entry]\nType=Application\nName=System\nExec=a\n"));
        QVERIFY(write(home + u"/removed.desktop"_qs, "[Desktop Entry]\nType=Application\nHidden=true\n"));
        QVERIFY(write(system + u"/removed.desktop"_qs, "[Desktop Entry]\nType=Application\nName=Removed\nExec=a\n"));
        QVERIFY(write(system + u"/link.desktop"_qs, "[Desktop Entry]\nType=Link\nName=Link\nURL=http://x\n"));
        QVERIFY(write(system + u"/sub/nested.desktop"_qs, "[Desktop Entry]\nType=Application\nName=Nested\nExec=a\n"));
        QVERIFY(write(system + u"/garbage.desktop"_qs, QByteArray("\0\1\2", 3)));
        DesktopEntryIndex index({home, system});
        QCOMPARE(index.find(u"shadowed"_qs)->name, u"Home"_qs);
        QVERIFY(!index.find(u"removed"_qs));
        QVERIFY(!index.find(u"link"_qs));
        QVERIFY(!index.find(u"garbage"_qs));
        QCOMPARE(index.find(u"sub-nested"_qs)->name, u"Nested"_qs);
        QCOMPARE(index.applications().size(), 2);

        QTest::qWait(20); // a new modification time
        QVERIFY(write(home + u"/added.desktop"_qs, "[Desktop Entry]\nType=Application\nName=Added\nExec=a\n"));
        QCOMPARE(index.find(u"added"_qs)->name, u"Added"_qs);
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "test_desktopentry.moc"
