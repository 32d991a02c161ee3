// The workspace on a real X session: the application in front and the running ones from the
// window manager's hints, names and icons from desktop entries, launching an entry, opening an
// address with the desktop's handler and asking which application handles it.
#include "actions/applookup.h"
#include "lineprocess.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11windowprops.h"
#include "platform/workspace.h"
#include "taskrunner.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <map>

#include <xcb/xcb.h>

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

    // Windows that give no process id, as plain X clients make them: two clients with the same
    // class are two applications; a client's second window, and a window naming another client
    // as its leader, belong to that client's application.
    void applicationsWithoutProcessIds()
    {
        struct Client {
            xcb_connection_t *c = xcb_connect(nullptr, nullptr);
            ~Client() { xcb_disconnect(c); }
            quint32 window(quint32 leader = 0)
            {
                const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
                const quint32 w = xcb_generate_id(c);
                xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 100, 100, 300, 200, 0,
                                  XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
                static const char wmClass[] = "nopid\0NoPid";
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof wmClass, wmClass);
                if (leader) {
                    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 16, "WM_CLIENT_LEADER"), nullptr);
                    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom->atom, XCB_ATOM_WINDOW, 32, 1, &leader);
                    std::free(atom);
                }
                xcb_map_window(c, w);
                xcb_flush(c);
                return w;
            }
        };
        Client first;
        Client second;
        const quint32 a1 = first.window();
        const quint32 a2 = first.window();
        const quint32 b = second.window();
        const quint32 led = second.window(a1);
        std::map<quint32, RunningApp> apps;
        for (quint32 window : {a1, a2, b, led}) {
            RunningApp front;
            // The workspace learns of the new active window from the window manager's event, a
            // moment after the property reads so.
            const bool came = QTest::qWaitFor([&] {
                TestSupport::xdotool({u"windowactivate"_qs, QString::number(window)});
                if (X11WindowProps::activeWindow(m_backend->connection()) != window)
                    return false;
                front = workspace().frontApplication().value_or(RunningApp{});
                return !front.appId.isEmpty();
            }, 20000);
            QVERIFY2(came, qPrintable(QString::number(window, 16)));
            QCOMPARE(front.pid, 0);
            QCOMPARE(front.appId, u"NoPid"_qs);
            apps[window] = front;
        }
        QVERIFY(isSameApp(apps[a1], apps[a2]));
        QVERIFY(!isSameApp(apps[a1], apps[b]));
        QVERIFY(isSameApp(apps[a1], apps[led]));
        QVERIFY(!isSameApp(apps[b], apps[led]));
    }
};

QTEST_MAIN(ItestWorkspace)
#include "itest_workspace.moc"
