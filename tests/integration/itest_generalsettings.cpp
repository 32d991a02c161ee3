// The General tab in the running app: opened from the tray's menu, its recorder takes a new
// shortcut from real key presses, the new shortcut opens the wheel at once and the old one no
// longer does, and the Quit item's Ctrl+Q is refused.
#include "ringleprocess.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
QByteArray output(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(15000);
    return process.readAllStandardOutput().trimmed();
}

// Whether the app said "shortcut down" within `ms` of the combination's press.
bool opensTheWheel(RingleProcess &ringle, const QString &combination, int ms)
{
    ringle.unreadLines();
    xdotool({QStringLiteral("keydown"), combination});
    const bool opened = ringle.seesWithin(QStringLiteral("ringle.controller: shortcut down"), ms);
    xdotool({QStringLiteral("keyup"), combination});
    return opened;
}

// The screen point at the end of a diagnostics line "… X Y".
QPoint pointAtEnd(const QString &line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    return words.size() < 2 ? QPoint() : QPoint(words.at(words.size() - 2).toInt(), words.last().toInt());
}
} // namespace

class ItestGeneralSettings final : public QObject {
    Q_OBJECT

    QProcess m_trayer;
    RingleProcess m_ringle;
    QPoint m_recorder;

    QString storedShortcut()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_ringle.configHome());
        QProcess config;
        config.setProcessEnvironment(environment);
        config.start(QDir(qEnvironmentVariable("RINGLE_BUILD_DIR")).filePath(QStringLiteral("src/app/ringle")),
                     {QStringLiteral("config"), QStringLiteral("get"), QStringLiteral("GlobalShortcuts_actionWheel")});
        config.waitForFinished(15000);
        return QString::fromUtf8(config.readAllStandardOutput().trimmed());
    }

    // The window must be active first: a click that activates it only brings it forward. The
    // recorder's place is logged relative to the window, which the window manager may move.
    void startRecording()
    {
        const QString window = QString::fromUtf8(output(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                                  QStringLiteral("--name"), QStringLiteral("^Ringle$")})
                                                     .split('\n')
                                                     .first());
        QVERIFY(!window.isEmpty());
        QVERIFY(xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window, QStringLiteral("sleep"),
                         QStringLiteral("0.3")}));
        m_ringle.unreadLines();
        QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(m_recorder.x()),
                         QString::number(m_recorder.y()),
                         QStringLiteral("click"), QStringLiteral("1")}));
        QVERIFY(m_ringle.seesWithin(QStringLiteral("ringle.settings: recording"), 5000));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_trayer.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                                                  QStringLiteral("right"), QStringLiteral("--widthtype"),
                                                  QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("28")});
        QVERIFY(m_trayer.waitForStarted());
        QVERIFY(m_ringle.start());
    }

    void cleanupTestCase()
    {
        xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl"), QStringLiteral("alt"), QStringLiteral("h"), QStringLiteral("j")});
        m_trayer.kill();
        m_trayer.waitForFinished(3000);
    }

    void settingsOpenFromTheTrayMenu()
    {
        QString panel;
        QTRY_VERIFY_WITH_TIMEOUT(!(panel = QString::fromUtf8(output(QStringLiteral("xdotool"),
                                                                   {QStringLiteral("search"), QStringLiteral("--name"),
                                                                    QStringLiteral("^panel$")})
                                                                .split('\n')
                                                                .first()))
                                      .isEmpty(),
                                 10000);
        QTRY_VERIFY_WITH_TIMEOUT(output(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), panel})
                                     .contains("(\"ringle\" \"Ringle\")"),
                                 10000);
        const QString geometry = QString::fromUtf8(
            output(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), panel}));
        QHash<QString, int> values;
        for (const QString &line : geometry.split(QLatin1Char('\n')))
            values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1).toInt());
        // The menu takes the keyboard: Down picks its first item that can be chosen, "Settings…".
        QVERIFY(xdotool({QStringLiteral("mousemove"),
                         QString::number(values.value(QStringLiteral("X")) + values.value(QStringLiteral("WIDTH")) / 2),
                         QString::number(values.value(QStringLiteral("Y")) + values.value(QStringLiteral("HEIGHT")) / 2),
                         QStringLiteral("click"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.5"),
                         QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));
        const QString shown = m_ringle.waitForLine(QStringLiteral("ringle.settings: general shown"), 10000);
        QVERIFY2(!shown.isEmpty(), qPrintable(m_ringle.transcript().right(2000)));
        m_recorder = pointAtEnd(shown);
        QVERIFY(!m_recorder.isNull());
    }

    void theRecordedShortcutOpensTheWheelAtOnce()
    {
        QVERIFY(opensTheWheel(m_ringle, QStringLiteral("ctrl+alt+h"), 3000));
        startRecording();
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+j")}));
        QVERIFY2(m_ringle.seesWithin(QStringLiteral("ringle.settings: recording ended"), 5000), qPrintable(m_ringle.transcript().right(2000)));
        QTRY_VERIFY_WITH_TIMEOUT(storedShortcut().contains(QLatin1String("\"carbonKeyCode\":38")), 5000);

        QVERIFY2(opensTheWheel(m_ringle, QStringLiteral("ctrl+alt+j"), 3000), qPrintable(m_ringle.transcript().right(2000)));
        QVERIFY(!opensTheWheel(m_ringle, QStringLiteral("ctrl+alt+h"), 1500));
    }

    void controlQIsRefusedWithAnAlert()
    {
        startRecording();
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")}));
        const QString alert = m_ringle.waitForLine(QStringLiteral("ringle.settings: alert:"), 5000);
        QVERIFY2(alert.endsWith(QStringLiteral("The menu item “Quit Ringle” already uses this shortcut.")), qPrintable(alert));
        QVERIFY(xdotool({QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("key"), QStringLiteral("Return"),
                         QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("key"), QStringLiteral("Escape")}));
        QVERIFY2(m_ringle.seesWithin(QStringLiteral("ringle.settings: recording ended"), 5000), qPrintable(m_ringle.transcript().right(2000)));
        QVERIFY(storedShortcut().contains(QLatin1String("\"carbonKeyCode\":38")));
        // Still running: the press was the recorder's, not the menu's.
        QVERIFY(opensTheWheel(m_ringle, QStringLiteral("ctrl+alt+j"), 3000));
    }
};

QTEST_GUILESS_MAIN(ItestGeneralSettings)
#include "itest_generalsettings.moc"
