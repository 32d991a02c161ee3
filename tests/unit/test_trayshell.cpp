#include "actions/appnotifications.h"
#include "actions/controllerstatus.h"
#include "app/instancechannel.h"
#include "app/reducedmotion.h"
#include "app/ringleapp.h"
#include "app/trayanimation.h"
#include "app/trayicon.h"
#include "app/traymenu.h"
#include "platform/fake/memorydefaults.h"
#include "ui/settingswindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QFile>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The menu as the user sees it: visible entries, "-" for a separator.
QStringList visibleEntries(const QMenu &menu)
{
    QStringList entries;
    for (const QAction *action : menu.actions()) {
        if (action->isVisible())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return entries;
}
} // namespace

class TestTrayShell final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuFollowsTheController()
    {
        ControllerStatus status;
        TrayMenu menu(status);
        const QStringList always{"-", "Undo Last Replace", "Recent Results", "-", "Settings…", "Quit Ringle"};
        QCOMPARE(visibleEntries(*menu.menu()), always);
        QCOMPARE(menu.quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        status.setWorking(true);
        QCOMPARE(visibleEntries(*menu.menu()), QStringList{"Working…"} + always);
        status.setLastError(QStringLiteral("Ollama is not running."));
        QCOMPARE(visibleEntries(*menu.menu()).first(), QStringLiteral("Working…"));
        status.setWorking(false);
        QCOMPARE(visibleEntries(*menu.menu()), QStringList{"Ollama is not running."} + always);
        QVERIFY(!menu.menu()->actions().first()->isEnabled());

        // An ampersand is shown, not taken as a mnemonic; a long message is cut short but kept whole
        // in the tooltip.
        status.setLastError(QStringLiteral("Q&A failed"));
        QCOMPARE(menu.menu()->actions().first()->text(), QStringLiteral("Q&&A failed"));
        const QString longMessage = QString(QStringLiteral("word ")).repeated(80);
        status.setLastError(longMessage);
        QVERIFY(menu.menu()->actions().first()->text().size() < longMessage.size());
        QCOMPARE(menu.menu()->actions().first()->toolTip(), longMessage);

        status.setLastError(std::nullopt);
        QCOMPARE(visibleEntries(*menu.menu()), always);
        status.setLastError(QString());
        QCOMPARE(visibleEntries(*menu.menu()), always);
    }

    void animationStepsOnlyWhileWorking()
    {
        ControllerStatus status;
        TrayMenu menu(status);
        TrayIcon icon(status, menu);
        TrayAnimation &animation = icon.animation();
        QSignalSpy changes(&animation, &TrayAnimation::highlightedSegmentChanged);
        const qint64 idleKey = icon.currentIcon().cacheKey();
        QCOMPARE(animation.highlightedSegment(), TrayAnimation::idle);
        QVERIFY(!animation.isAnimating());

        status.setWorking(true);
        QCOMPARE(animation.highlightedSegment(), 0);
        QVERIFY(animation.isAnimating());
        const qint64 firstFrameKey = icon.currentIcon().cacheKey();
        QVERIFY(firstFrameKey != idleKey);
        // Frames 1, 2, 3, then back to 0, a quarter second apart.
        QTRY_COMPARE_WITH_TIMEOUT(changes.size(), 6, 2500);
        QList<int> frames;
        for (const QList<QVariant> &change : changes)
            frames.append(change.at(0).toInt());
        QCOMPARE(frames.mid(0, 6), (QList<int>{0, 1, 2, 3, 0, 1}));

        status.setWorking(false);
        QCOMPARE(animation.highlightedSegment(), TrayAnimation::idle);
        QVERIFY(!animation.isAnimating());
        QCOMPARE(icon.currentIcon().cacheKey(), idleKey);
        // Working again restarts at the first frame.
        status.setWorking(true);
        QCOMPARE(icon.currentIcon().cacheKey(), firstFrameKey);
        status.setWorking(false);

        // Reduced motion: the first frame, still.
        animation.setReduceMotion(true);
        status.setWorking(true);
        QCOMPARE(animation.highlightedSegment(), 0);
        QVERIFY(!animation.isAnimating());
        animation.setReduceMotion(false);
        QVERIFY(animation.isAnimating());
    }

    void reducedMotionFromTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<std::optional<bool>>("reduced");
        QTest::newRow("animations off") << QByteArray("false\n") << std::optional<bool>(true);
        QTest::newRow("animations on") << QByteArray("true\n") << std::optional<bool>(false);
        QTest::newRow("no schema") << QByteArray("") << std::optional<bool>();
    }

    void reducedMotionFromTheDesktop()
    {
        QFETCH(QByteArray, output);
        QFETCH(std::optional<bool>, reduced);
        QCOMPARE(ReducedMotion::fromEnableAnimations(output), reduced);
    }

    void settingsOpenOnTheStoredTab()
    {
        MemoryDefaults defaults;
        ControllerStatus status;
        AppNotifications notifications;
        RingleApp app(defaults, status, notifications);
        QVERIFY(!app.settingsWindow());

        // First "Settings…": the wheel tab, and nothing is stored for merely opening.
        app.trayMenu().settingsAction()->trigger();
        SettingsWindow *window = app.settingsWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Ringle"));
        QCOMPARE(window->currentTab(), SettingsTab::wheel);
        QCOMPARE(defaults.writeCount(), 0);

        // The request from elsewhere stores General and switches the open window to it.
        Q_EMIT notifications.openRingleSettings();
        QCOMPARE(window->currentTab(), SettingsTab::general);
        QCOMPARE(defaults.stringValue("settingsTab"), std::optional<QString>("general"));
        QCOMPARE(app.settingsWindow(), window);

        // The user's choice of tab is stored, and "Settings…" keeps it.
        auto *tabs = window->findChild<QTabWidget *>();
        tabs->setCurrentIndex(1);
        QCOMPARE(defaults.stringValue("settingsTab"), std::optional<QString>("wheel"));
        window->close();
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        app.trayMenu().settingsAction()->trigger();
        QCOMPARE(window->currentTab(), SettingsTab::wheel);
        QCOMPARE(defaults.stringValue("settingsTab"), std::optional<QString>("wheel"));
    }

    void unusableStoredTabOpensTheWheel()
    {
        MemoryDefaults defaults;
        defaults.setString(QStringLiteral("settingsTab"), QStringLiteral("advanced"));
        SettingsWindow window(defaults);
        QCOMPARE(window.currentTab(), SettingsTab::wheel);
        defaults.setBool(QStringLiteral("settingsTab"), true);
        QCOMPARE(window.currentTab(), SettingsTab::wheel);
        defaults.setString(QStringLiteral("settingsTab"), QStringLiteral("general"));
        QCOMPARE(window.currentTab(), SettingsTab::general);
    }

    void laterStartsHandOverToTheRunningOne()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        const QString name = InstanceChannel::nameFor(":7", QStringLiteral("/home/a/.config/Ringle/defaults.json"));
        QVERIFY(name.startsWith(runtime.path()));
        QVERIFY(name != InstanceChannel::nameFor(":8", QStringLiteral("/home/a/.config/Ringle/defaults.json")));
        QVERIFY(name != InstanceChannel::nameFor(":7", QStringLiteral("/tmp/other/Ringle/defaults.json")));

        // Nobody listens yet.
        InstanceChannel first(name);
        QSignalSpy firstResult(&first, &InstanceChannel::handOverFinished);
        first.handOver(InstanceChannel::Request::none);
        QTRY_COMPARE(firstResult.size(), 1);
        QCOMPARE(firstResult.at(0).at(0).toBool(), false);
        QVERIFY(first.listen());
        QSignalSpy received(&first, &InstanceChannel::requestReceived);

        InstanceChannel second(name);
        QSignalSpy secondResult(&second, &InstanceChannel::handOverFinished);
        second.handOver(InstanceChannel::Request::openSettings);
        QTRY_COMPARE(secondResult.size(), 1);
        QCOMPARE(secondResult.at(0).at(0).toBool(), true);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).value<InstanceChannel::Request>(), InstanceChannel::Request::openSettings);

        // A socket file left by an instance that died is taken over.
        InstanceChannel replacement(name + QStringLiteral("-stale"));
        QFile leftOver(replacement.name());
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();
        QVERIFY(replacement.listen());
    }
};

QTEST_MAIN(TestTrayShell)
#include "test_trayshell.moc"
