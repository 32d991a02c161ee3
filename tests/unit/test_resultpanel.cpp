#include "actions/resultpanel.h"
#include "fakeresultpanelview.h"
#include "platform/fake/fakeglobalinputmonitor.h"
#include "platform/fake/fakescreens.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
const ScreenInfo left{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)};
// A taller screen to the right, reaching below the primary one (negative y).
const ScreenInfo right{QRectF(1440, -100, 1280, 1024), QRectF(1440, -100, 1280, 1024)};

const ResultPanel::Timings quick{10ms, 20ms, 40ms, 150ms};
} // namespace

class TestResultPanel final : public QObject {
    Q_OBJECT

    FakeScreens m_screens;
    FakeGlobalInputMonitor m_monitor;
    FakeResultPanelView *m_panel = nullptr;
    std::unique_ptr<ResultPanel> m_resultPanel;
    std::optional<QRectF> m_caret;

    void makeIndicator()
    {
        m_panel = nullptr;
        m_resultPanel = std::make_unique<ResultPanel>(
            m_screens, m_monitor,
            [this](ResultPanelButtons &buttons) {
                auto panel = std::make_unique<FakeResultPanelView>(buttons);
                m_panel = panel.get();
                return panel;
            },
            [this] { return m_caret; }, quick);
    }

private Q_SLOTS:
    void init()
    {
        m_screens.setScreens({left, right});
        m_screens.setPointerLocation({720, 450});
        m_caret.reset();
        makeIndicator();
        m_resultPanel->anchor = QRectF(100, 400, 1, 18);
    }

    void placement_data()
    {
        QTest::addColumn<QRectF>("anchor");
        QTest::addColumn<bool>("withScreens");
        QTest::addColumn<QPointF>("origin");

        // The panel is 200 × 36: right of the anchor by 6, centred on it vertically.
        QTest::newRow("beside the anchor") << QRectF(100, 400, 1, 18) << true << QPointF(107, 391);
        QTest::newRow("exactly fits before the margin") << QRectF(1229, 400, 1, 18) << true << QPointF(1236, 391);
        QTest::newRow("one point more flips") << QRectF(1230, 400, 1, 18) << true << QPointF(1024, 391);
        QTest::newRow("flipped then kept inside the left margin") << QRectF(10, 400, 1420, 18) << true << QPointF(4, 391);
        QTest::newRow("kept above the bottom margin") << QRectF(100, 2, 1, 18) << true << QPointF(107, 4);
        QTest::newRow("kept below the visible top") << QRectF(100, 880, 1, 18) << true << QPointF(107, 835);
        QTest::newRow("second screen below the first") << QRectF(1500, -50, 1, 18) << true << QPointF(1507, -59);
        QTest::newRow("second screen's bottom margin") << QRectF(1500, -99, 1, 10) << true << QPointF(1507, -96);
        QTest::newRow("off every screen: the main one") << QRectF(5000, 5000, 1, 18) << true << QPointF(1236, 835);
        QTest::newRow("no screens: unclamped") << QRectF(5000, -5000, 1, 18) << false << QPointF(5007, -4991 - 18);
    }

    void placement()
    {
        QFETCH(QRectF, anchor);
        QFETCH(bool, withScreens);
        QFETCH(QPointF, origin);
        if (!withScreens)
            m_screens.setScreens({});
        m_resultPanel->anchor = anchor;
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Proofreading…")));
        QCOMPARE(m_panel->frame, QRectF(origin, QSizeF(200, 36)));
        QCOMPARE(m_resultPanel->frame(), m_panel->frame);
    }

    void answerHeight_data()
    {
        QTest::addColumn<qreal>("fitting");
        QTest::addColumn<qreal>("height");
        QTest::newRow("empty") << 0.0 << 1.0;
        QTest::newRow("fraction rounds up") << 15.6 << 17.0;
        QTest::newRow("whole") << 16.0 << 17.0;
        QTest::newRow("at the cap") << 239.0 << 240.0;
        QTest::newRow("long answer scrolls") << 5000.0 << 240.0;
    }

    void answerHeight()
    {
        QFETCH(qreal, fitting);
        QFETCH(qreal, height);
        QCOMPARE(ResultPanelGeometry::answerHeight(fitting), height);
    }

    void anchorFallsBackToCaretThenPointer()
    {
        m_resultPanel->anchor.reset();
        m_caret = QRectF(300, 500, 2, 16);
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Rewriting…")));
        QCOMPARE(m_resultPanel->anchor, m_caret);

        makeIndicator();
        m_caret.reset();
        m_resultPanel->show(ResultPanelState::done());
        QCOMPARE(m_resultPanel->anchor, std::optional<QRectF>(QRectF(732, 420, 1, 18)));
        // The anchor is kept while the panel moves between states.
        m_screens.setPointerLocation({10, 10});
        m_resultPanel->show(ResultPanelState::failed(QStringLiteral("No text selected.")));
        QCOMPARE(m_resultPanel->anchor, std::optional<QRectF>(QRectF(732, 420, 1, 18)));
    }

    void statesSizesAndClicks()
    {
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Proofreading…")));
        QCOMPARE(m_resultPanel->generation(), 1u);
        QCOMPARE(m_panel->frontOrders, 1);
        QCOMPARE(m_panel->opacity, 1.0);
        QVERIFY(!m_panel->takesClicks);
        QVERIFY(!m_resultPanel->watchesOutsideInput());
        QCOMPARE(m_panel->contents.last().proposed, QSizeF(340, 400));
        QCOMPARE(m_panel->contents.last().answerHeight, 0.0);

        m_resultPanel->show(ResultPanelState::result(QStringLiteral("One line.")), true);
        QCOMPARE(m_resultPanel->generation(), 2u);
        QCOMPARE(m_panel->frontOrders, 1); // already on screen
        QVERIFY(m_panel->takesClicks);
        QVERIFY(m_resultPanel->watchesOutsideInput());
        QCOMPARE(m_panel->contents.last().proposed, QSizeF(380, 340));
        QCOMPARE(m_panel->contents.last().answerHeight, 17.0);
        QVERIFY(m_panel->contents.last().offersReplace);

        m_resultPanel->show(ResultPanelState::result(QString(QStringLiteral("line\n")).repeated(40)));
        QCOMPARE(m_panel->contents.last().answerHeight, 240.0);
        QVERIFY(!m_panel->contents.last().offersReplace);
        QCOMPARE(m_monitor.startCount(), 1); // one monitor for as long as results are shown

        m_resultPanel->show(ResultPanelState::done());
        QVERIFY(!m_panel->takesClicks);
        QVERIFY(!m_resultPanel->watchesOutsideInput());
    }

    void hideFadesThenOrdersOut()
    {
        m_resultPanel->show(ResultPanelState::done());
        m_resultPanel->hide();
        QCOMPARE(m_panel->opacity, 0.0);
        QVERIFY(m_panel->onScreen);
        QVERIFY(m_resultPanel->anchor);
        QTRY_VERIFY(!m_panel->onScreen);
        QVERIFY(!m_resultPanel->anchor);

        // Hidden already: the anchor goes at once.
        m_resultPanel->anchor = QRectF(1, 1, 1, 1);
        m_resultPanel->hide();
        QVERIFY(!m_resultPanel->anchor);
    }

    void showDuringTheFadeKeepsThePanel()
    {
        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")));
        m_resultPanel->hide();
        const QRectF next(600, 300, 1, 18);
        m_resultPanel->anchor = next;
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Summarizing…")));
        QTest::qWait(int(quick.hideDelay.count()) * 3);
        QVERIFY(m_panel->onScreen);
        QCOMPARE(m_panel->outOrders, 0);
        QCOMPARE(m_resultPanel->anchor, std::optional<QRectF>(next));
        QCOMPARE(m_panel->opacity, 1.0);
    }

    void failureHidesItselfUnlessSomethingNewCame()
    {
        m_resultPanel->fail(QStringLiteral("The model is not available."));
        QCOMPARE(m_panel->contents.last().state, ResultPanelState::failed(QStringLiteral("The model is not available.")));
        QVERIFY(m_resultPanel->hideIsPending());
        QTRY_VERIFY_WITH_TIMEOUT(!m_panel->onScreen, 1000);

        m_resultPanel->fail(QStringLiteral("First"));
        QTest::qWait(int(quick.failureHide.count()) / 2);
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Proofreading…")));
        QVERIFY(!m_resultPanel->hideIsPending());
        QTest::qWait(int((quick.failureHide + quick.hideDelay).count()) * 2);
        QVERIFY(m_panel->onScreen);
        QCOMPARE(m_panel->opacity, 1.0);
    }

    void outsidePressesHideAResult()
    {
        // Without a result nothing is watched.
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Proofreading…")));
        m_monitor.press(GlobalInputMonitor::Input::keyPress);
        QCOMPARE(m_panel->opacity, 1.0);

        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")));
        // A click on the panel itself (Copy, Replace, the answer) is not a click elsewhere.
        m_screens.setPointerLocation(m_resultPanel->frame().center());
        m_monitor.press(GlobalInputMonitor::Input::buttonPress);
        QCOMPARE(m_panel->opacity, 1.0);
        QVERIFY(m_resultPanel->watchesOutsideInput());

        m_screens.setPointerLocation({1000, 100});
        m_monitor.press(GlobalInputMonitor::Input::buttonPress);
        QCOMPARE(m_panel->opacity, 0.0);
        QVERIFY(!m_resultPanel->watchesOutsideInput());
        QTRY_VERIFY(!m_panel->onScreen);

        // A key press anywhere hides it too, even with the pointer over the panel.
        m_resultPanel->anchor = QRectF(100, 400, 1, 18);
        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")));
        m_screens.setPointerLocation(m_resultPanel->frame().center());
        m_monitor.press(GlobalInputMonitor::Input::keyPress);
        QCOMPARE(m_panel->opacity, 0.0);
    }

    void buttonsHideFirstThenAct()
    {
        int copies = 0;
        int replaces = 0;
        connect(m_resultPanel.get(), &ResultPanel::copyChosen, this, [&] {
            QCOMPARE(m_panel->opacity, 0.0);
            QVERIFY(!m_resultPanel->watchesOutsideInput());
            ++copies;
        });
        connect(m_resultPanel.get(), &ResultPanel::replaceChosen, this, [&] {
            QCOMPARE(m_panel->opacity, 0.0);
            ++replaces;
        });
        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")), true);
        m_panel->replaceClicked();
        m_panel->replaceClicked(); // a second click while it fades
        m_panel->copyClicked();
        QCOMPARE(replaces, 1);
        QCOMPARE(copies, 0);

        // Replace is only chosen where it was offered.
        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")));
        m_panel->replaceClicked();
        QCOMPARE(replaces, 1);
        m_resultPanel->show(ResultPanelState::result(QStringLiteral("Answer")));
        m_panel->copyClicked();
        QCOMPARE(copies, 1);
    }
};

QTEST_GUILESS_MAIN(TestResultPanel)
#include "test_resultpanel.moc"
