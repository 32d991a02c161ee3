// The workspace on a real X session: the application in front and the running ones from the
// window manager's hints, names and icons from desktop entries, launching an entry, opening an
// address with the desktop's handler and asking which application handles it.
#include "actions/applookup.h"
#include "lineprocess.h"
#include "platform/x11/x11platform.h"
#include "platform/workspace.h"
#include "taskrunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using TestSupport::LineProcess;

namespace {
bool writeFile(const QString &path, const QByteArray &contents, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contents) != contents.size())
        return false;
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return true;
}
} // namespace

class ItestWorkspace final : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<X11Platform> m_backend;

    Workspace &workspace() { return m_backend->platform().workspace; }

    // The front application once it is process `pid`, as it reports itself then.
    RunningApp frontOnceItIs(qint64 pid)
    {
        RunningApp front;
        const bool came = QTest::qWaitFor([&] {
            front = workspace().frontApplication().value_or(RunningApp{});
            return front.pid == pid;
        }, 20000);
        if (!came)
            qWarning() << "still in front after 20 s:" << front.appId << front.pid;
        return front;
    }
    QString dataDir() const { return m_home.filePath(u"data"_qs); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", dataDir().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_qs).toUtf8());
        const QString editor = TestSupport::programPath(u"testeditor"_qs);
        // The editor's entry: matched to its window by class; its Exec needs quoting.
        QVERIFY(writeFile(dataDir() + u"/applications/org/ringle/TestEditor.desktop"_qs,
                          "[Desktop Entry]\nType=Application\nName=Ringle Test Editor\nName[de]=Ringle-Testeditor\n"
                          "Icon=accessories-text-editor\nStartupWMClass=testeditor\n"
                          "Exec=\"" + editor.toUtf8() + "\" --title \"Launched from entry\" --no-stdin %F\n"));
        // A handler for an address scheme of our own, writing what it was asked to open.
        const QString catcher = m_home.filePath(u"catcher.sh"_qs);
        QVERIFY(writeFile(catcher, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + m_home.filePath(u"opened.txt"_qs).toUtf8() + "\"\n", true));
        QVERIFY(writeFile(dataDir() + u"/applications/ringle-catcher.desktop"_qs,
                          "[Desktop Entry]\nType=Application\nName=URL Catcher\nNoDisplay=true\nExec=" + catcher.toUtf8()
                              + " %u\nMimeType=x-scheme-handler/ringletest;\n"));
        QVERIFY(writeFile(m_home.filePath(u"config/mimeapps.list"_qs),
                          "[Default Applications]\nx-scheme-handler/ringletest=ringle-catcher.desktop\n"));
        m_backend = X11Platform::create();
        QVERIFY(m_backend);
    }

    void frontAndRunningApplications()
    {
        LineProcess editor;
        QVERIFY(TestSupport::startTestEditor(editor, u"Front"_qs));
        const RunningApp front = frontOnceItIs(editor.pid());
        QCOMPARE(front.pid, editor.pid());
        QCOMPARE(front.appId, u"org-ringle-TestEditor"_qs);
        QCOMPARE(front.name, u"Ringle Test Editor"_qs);
        QVERIFY(workspace().runningApplications().contains(front));
    }

    void nameAndIconById()
    {
        AppLookup lookup(workspace());
        QCOMPARE(lookup.name(u"org-ringle-TestEditor"_qs), u"Ringle Test Editor"_qs);
        QCOMPARE(lookup.iconName(u"org-ringle-TestEditor"_qs), std::optional<QString>(u"accessories-text-editor"_qs));
        QCOMPARE(lookup.name(u"com.example.NotInstalled"_qs), u"com.example.NotInstalled"_qs);
        QCOMPARE(lookup.iconName(u"com.example.NotInstalled"_qs), std::nullopt);
        const auto info = workspace().application(u"org-ringle-TestEditor"_qs);
        QVERIFY(info);
        QCOMPARE(info->location, dataDir() + u"/applications/org/ringle/TestEditor.desktop"_qs);
    }

    void openApplicationStartsItsEntry()
    {
        QVERIFY(!workspace().openApplication(u"com.example.NotInstalled"_qs));
        QVERIFY(workspace().openApplication(u"org-ringle-TestEditor"_qs));
        // The launched editor's title proves the quoted argument arrived.
        QTRY_VERIFY_WITH_TIMEOUT(QProcess::execute(u"xdotool"_qs, {u"search"_qs, u"--name"_qs, u"^Launched from entry$"_qs}) == 0, 20000);
        QProcess pidOf;
        pidOf.start(u"xdotool"_qs, {u"search"_qs, u"--name"_qs, u"^Launched from entry$"_qs, u"getwindowpid"_qs});
        QVERIFY(pidOf.waitForFinished(5000));
        const qint64 pid = pidOf.readAllStandardOutput().trimmed().toLongLong();
        QVERIFY(pid > 0);
        QVERIFY(TestSupport::waitUntilActive(pid, u"Launched from entry"_qs));
        const RunningApp front = frontOnceItIs(pid);
        QCOMPARE(front.pid, pid);
        QCOMPARE(front.appId, u"org-ringle-TestEditor"_qs);
        ::kill(pid_t(pid), SIGTERM);
    }

    void openUrlUsesTheDesktopHandler()
    {
        QFile::remove(m_home.filePath(u"opened.txt"_qs));
        const QUrl url(u"ringletest://host/path?q=1&r=two"_qs);
        QVERIFY(workspace().openUrl(url));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_home.filePath(u"opened.txt"_qs)), 10000);
        auto opened = [this] {
            QFile f(m_home.filePath(u"opened.txt"_qs));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QTRY_COMPARE(opened(), url.toEncoded());
        QVERIFY(!workspace().openUrl(QUrl()));
    }

    void applicationForUrl()
    {
        const auto handler = TaskRunner::run(workspace().applicationForUrl(QUrl(u"ringletest://x"_qs)));
        QVERIFY(handler.value && handler.value->has_value());
        QCOMPARE((*handler.value)->appId, u"ringle-catcher"_qs);
        QCOMPARE((*handler.value)->name, u"URL Catcher"_qs);
        const auto none = TaskRunner::run(workspace().applicationForUrl(QUrl(u"nosuchscheme://x"_qs)));
        QVERIFY(none.value && !none.value->has_value());
    }
};

QTEST_MAIN(ItestWorkspace)
#include "itest_workspace.moc"
