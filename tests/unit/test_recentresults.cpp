#include "actions/controllerstatus.h"
#include "actions/recentresults.h"
#include "app/traymenu.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

// The session's recent answers and the tray's view of them.
class TestRecentResults final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void excerpts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("excerpt");
        QTest::newRow("short, one line") << "Fixed the\ntypo." << "Fixed the typo.";
        QTest::newRow("exactly forty") << QString(40, 'a') << QString(40, 'a');
        QTest::newRow("ends on a word") << "The quick brown fox jumps over the lazy dog and runs away."
                                        << "The quick brown fox jumps over the lazy…";
        QTest::newRow("one long word is cut") << QString(60, 'b') << QString(40, 'b') + "…";
        // 41 flags: each is two code points and four UTF-16 units, never split.
        QString flags;
        for (int i = 0; i < 41; ++i)
            flags += QString::fromUtf8("🇩🇪");
        QTest::newRow("whole characters") << flags << flags.left(40 * 4) + "…";
    }
    void excerpts()
    {
        QFETCH(QString, text);
        QFETCH(QString, excerpt);
        QCOMPARE(RecentResults::excerpt(text), excerpt);
    }

    void keepsTheNewestTenAndCopiesOnRequest()
    {
        RecentResults results;
        QSignalSpy copies(&results, &RecentResults::copyRequested);
        results.add("Proofreading", "  \n");
        QVERIFY(results.entries().isEmpty());
        for (int i = 0; i < 12; ++i)
            results.add("Summarizing", QString("Answer %1").arg(i));
        QCOMPARE(results.entries().size(), RecentResults::capacity);
        QCOMPARE(results.entries().first().text, QString("Answer 11"));
        QCOMPARE(results.entries().last().text, QString("Answer 2"));
        results.requestCopy(1);
        results.requestCopy(10);
        results.requestCopy(-1);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies.first().first().toString(), QString("Answer 10"));
    }

    void theTrayListsThemAndOffersUndoWhileItCan()
    {
        ControllerStatus status;
        TrayMenu tray(status);
        QVERIFY(!tray.undoAction()->isEnabled());
        QVERIFY(!tray.recentMenu()->isEnabled());

        RecentResults &results = status.results();
        results.add("Proofreading", "A & B.");
        results.add("Explaining", "It means that.");
        QVERIFY(tray.recentMenu()->isEnabled());
        const QList<QAction *> items = tray.recentMenu()->actions();
        QCOMPARE(items.size(), 4); // two results, a separator, Clear History
        QCOMPARE(items[0]->text(), QString("Explaining: It means that."));
        QCOMPARE(items[1]->text(), QString("Proofreading: A && B."));

        QSignalSpy copies(&results, &RecentResults::copyRequested);
        items[1]->trigger();
        QCOMPARE(copies.value(0).value(0).toString(), QString("A & B."));

        QSignalSpy undos(&results, &RecentResults::undoRequested);
        results.setCanUndo(true);
        QVERIFY(tray.undoAction()->isEnabled());
        tray.undoAction()->trigger();
        QCOMPARE(undos.size(), 1);

        items[3]->trigger();
        QVERIFY(results.entries().isEmpty());
        QVERIFY(!tray.recentMenu()->isEnabled());
        QVERIFY(tray.recentMenu()->actions().isEmpty());
    }
};

QTEST_MAIN(TestRecentResults)
#include "test_recentresults.moc"
