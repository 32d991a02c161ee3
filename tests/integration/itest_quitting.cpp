// Quitting the real app by a signal, as a logout does: the clipboard's content is handed to the
// desktop's clipboard manager (xfsettingsd here), or the log says it goes; the app ends within two
// seconds, also in the middle of an action, lets go of its shortcut and leaves no run files behind.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionreader.h"
#include "ringleprocess.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
const QString typo = QStringLiteral("Ths sentence has a tpyo in it.");
const QString fixed = QStringLiteral("This sentence has a typo in it.");

bool pressWheelShortcutAndMoveUp()
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("420"), QStringLiteral("keydown"),
                    QStringLiteral("ctrl+alt+h"), QStringLiteral("sleep"), QStringLiteral("0.4"),
                    QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("0"), QStringLiteral("-90"),
                    QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("keyup"), QStringLiteral("h"),
                    QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
}

bool wheelShortcutIsFree()
{
    return TestSupport::keyIsFree(QStringLiteral("0x68"), QStringLiteral("0xc"));
}

QStringList runFilesIn(const QString &directory)
{
    return QDir(directory).entryList({QStringLiteral("ringle-*")}, QDir::AllEntries | QDir::System | QDir::Hidden);
}
} // namespace

class ItestQuitting final : public QObject {
    Q_OBJECT

    ModelServerProcess m_server;
    // Every kind of content a user copies: text the toolkits convert, markup, and bytes no step
    // may touch.
    Formats m_userContent{{QStringLiteral("text/plain"), QByteArrayLiteral("PRECIOUS CLIPBOARD")},
                          {QStringLiteral("text/html"), QByteArrayLiteral("<b>PRECIOUS</b> CLIPBOARD")},
                          {QStringLiteral("application/x-ringle-test"), QByteArray("\0\1\2\3\xff", 5)}};
    std::unique_ptr<X11Connection> m_x11;
    QProcess m_manager;
    QTemporaryDir m_managerHome;
    QTemporaryDir m_runtime;
    // The app the user copied from; it stays until the app under test has taken the clipboard.
    std::unique_ptr<LineProcess> m_owner;

    bool managerRunning()
    {
        X11SelectionReader manager(*m_x11, QByteArrayLiteral("CLIPBOARD_MANAGER"));
        return manager.hasOwner();
    }

    void startManager()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_managerHome.path());
        m_manager.setProcessEnvironment(environment);
        m_manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_manager.start(QStringLiteral("xfsettingsd"), {QStringLiteral("--no-daemon")});
        QVERIFY2(m_manager.waitForStarted(10000), "xfsettingsd (xfce4-settings) is needed");
        QTRY_VERIFY_WITH_TIMEOUT(managerRunning(), 15000);
    }

    void stopManager()
    {
        if (m_manager.state() == QProcess::NotRunning)
            return;
        m_manager.terminate();
        TestSupport::finishOrKill(m_manager, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!managerRunning(), 5000);
    }

    // The app with the test model server behind it, replacing directly, and the test editor in front
    // with its text selected; the user's content on the clipboard.
    void prepare(RingleProcess &ringle, std::unique_ptr<LineProcess> &editor, const QJsonObject &answer)
    {
        ringle.setEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        ringle.setEnvironment(QStringLiteral("TMPDIR"), m_runtime.path());
        // The leak checker's scan at exit takes longer than the quit it would be timed with; the
        // other end-to-end tests run it.
        ringle.setEnvironment(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:abort_on_error=1"));
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(m_server.setDefault(answer));
        m_owner = std::make_unique<LineProcess>();
        QVERIFY(m_owner->start(TestSupport::programPath(QStringLiteral("clipboardtool"))));
        QCOMPARE(m_owner->request("own " + TestSupport::encodeFormats(m_userContent)), QByteArray("ok"));
        QVERIFY(ringle.start());
        editor = std::make_unique<LineProcess>();
        QVERIFY(TestSupport::startTestEditor(*editor, QString::fromLatin1(QTest::currentTestFunction())));
        QVERIFY(TestSupport::setAndSelect(*editor, typo, 0, int(typo.size())));
    }

    static QJsonObject slowAnswer(int delayMs)
    {
        QJsonObject slow = ModelServerProcess::completion(fixed);
        QJsonArray parts = slow.value(QStringLiteral("parts")).toArray();
        QJsonObject part = parts.at(0).toObject();
        part.insert(QStringLiteral("delayMs"), delayMs);
        parts[0] = part;
        slow.insert(QStringLiteral("parts"), parts);
        return slow;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.isRunning());
        m_x11 = X11Connection::open();
        QVERIFY(m_x11);
    }

    void init()
    {
        m_server.forgetEvents();
    }

    void cleanup()
    {
        xdotool({QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("ctrl"), QStringLiteral("alt")});
        m_owner.reset();
        stopManager();
        QVERIFY(runFilesIn(m_runtime.path()).isEmpty());
    }

    void managerKeepsTheUsersContentAfterAReplace_data()
    {
        QTest::addColumn<bool>("withManager");
        QTest::newRow("xfsettingsd running") << true;
        QTest::newRow("no clipboard manager") << false;
    }
    void managerKeepsTheUsersContentAfterAReplace()
    {
        QFETCH(bool, withManager);
        if (withManager)
            startManager();
        RingleProcess ringle;
        std::unique_ptr<LineProcess> editor;
        prepare(ringle, editor, ModelServerProcess::completion(fixed));

        QVERIFY(pressWheelShortcutAndMoveUp());
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        // Put back after the paste: from now on this app serves the user's content.
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()),
                                  TestSupport::contentOf(m_userContent), 10000);
        QCOMPARE(m_owner->request("owner"), QByteArray("owner no"));

        const std::optional<qint64> took = ringle.signalAndWait(SIGTERM, 5000);
        QVERIFY2(took, qPrintable(ringle.transcript()));
        qInfo("quit %s a clipboard manager in %lld ms", withManager ? "with" : "without", static_cast<long long>(*took));
        QVERIFY2(*took < 2000, qPrintable(ringle.transcript().right(800)));
        QVERIFY2(ringle.transcript().contains(QStringLiteral("ringle.app: quitting on SIGTERM")), qPrintable(ringle.transcript()));
        const auto after = TestSupport::contentOf(TestSupport::clipboardFromOtherProcess());
        if (withManager) {
            QVERIFY2(ringle.transcript().contains(QStringLiteral("the clipboard manager took the clipboard's content")),
                     qPrintable(ringle.transcript()));
            QCOMPARE(after, TestSupport::contentOf(m_userContent));
        } else {
            QVERIFY2(ringle.transcript().contains(QStringLiteral("no clipboard manager is running")), qPrintable(ringle.transcript()));
            QVERIFY(after.isEmpty());
        }
    }

    // Ended while the model is still answering: the copy has already replaced the user's content
    // with the selection; quitting puts it back and hands it on, pastes nothing, and is quick.
    void signalInTheMiddleOfAnAction_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void signalInTheMiddleOfAnAction()
    {
        QFETCH(int, signalNumber);
        startManager();
        RingleProcess ringle;
        std::unique_ptr<LineProcess> editor;
        prepare(ringle, editor, slowAnswer(5000));

        QVERIFY(pressWheelShortcutAndMoveUp());
        QVERIFY2(ringle.seesWithin(QStringLiteral("ringle.resultpanel: shows working"), 10000), qPrintable(ringle.transcript()));
        QCOMPARE(m_server.requests(1, 10000).size(), 1);
        QVERIFY(!wheelShortcutIsFree());

        const std::optional<qint64> took = ringle.signalAndWait(signalNumber, 5000);
        QVERIFY2(took, qPrintable(ringle.transcript()));
        qInfo("quit in the middle of an action in %lld ms", static_cast<long long>(*took));
        QVERIFY2(*took < 2000, qPrintable(ringle.transcript().right(800)));
        QVERIFY(wheelShortcutIsFree());
        QCOMPARE(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()), TestSupport::contentOf(m_userContent));
        QTest::qWait(500);
        QCOMPARE(TestSupport::editorText(*editor), typo);
    }
};

QTEST_GUILESS_MAIN(ItestQuitting)
#include "itest_quitting.moc"
