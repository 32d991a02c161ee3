#include "platform/fake/fakescreens.h"
#include "platform/fake/memorydefaults.h"
#include "wheel/actionwheel.h"
#include "wheel/wheelgeometry.h"
#include "wheel/wheelstore.h"

#include <QTest>
#include <QTimer>
#include <cmath>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
WheelTab ring(const QString &title, int filled, int empty = 0, bool readOnly = false)
{
    WheelTab tab{QUuid::createUuid(), title, {}, readOnly};
    for (int i = 0; i < filled; ++i)
        tab.slots.append(WheelItem::openApp(QStringLiteral("app%1.%2").arg(title).arg(i)));
    for (int i = 0; i < empty; ++i)
        tab.slots.append(std::nullopt);
    return tab;
}

// A point at `distance` from `origin` in the direction `angle` (degrees clockwise from up, y up).
QPointF toward(QPointF origin, double angle, double distance)
{
    const double radians = angle * M_PI / 180;
    return origin + QPointF(std::sin(radians) * distance, std::cos(radians) * distance);
}

struct PanelLog {
    int shows = 0;
    int hides = 0;
    int prepares = 0;
    std::optional<QRectF> lastVisible;
};

struct RecordingPanel final : WheelPanel {
    PanelLog *log;
    explicit RecordingPanel(PanelLog *l) : log(l) {}
    void showWheel(QPointF, const std::optional<QRectF> &visible) override
    {
        ++log->shows;
        log->lastVisible = visible;
    }
    void hideWheel() override { ++log->hides; }
    void prepare() override { ++log->prepares; }
};

struct Fixture {
    MemoryDefaults defaults;
    WheelStore store{defaults};
    FakeScreens screens;
    Clock::time_point now = Clock::time_point(100s);
    int panelsMade = 0;
    PanelLog panel;
    bool readOnly = false;
    int readOnlyQuestions = 0;
    std::optional<QString> frontApp;
    ActionWheel wheel{store, screens,
                      ActionWheel::Context{{}, [this] { return frontApp; },
                                           [this] {
                                               ++readOnlyQuestions;
                                               return readOnly;
                                           }},
                      [this](WheelModel &) {
                          ++panelsMade;
                          return std::make_unique<RecordingPanel>(&panel);
                      },
                      [this] { return now; }};

    explicit Fixture(const QList<WheelTab> &rings)
    {
        QList<WheelSet> sets = WheelStore::shippedDefault();
        sets[0].rings = rings;
        store.setSets(sets);
    }
    void scrollLines(double lines) { wheel.scroll(ScrollInput{lines, lines * 10, false, false}); }
    void scrollPoints(double points, bool momentum = false) { wheel.scroll(ScrollInput{0, points, true, momentum}); }
};

const QPointF origin(700, 400);
} // namespace

Q_DECLARE_METATYPE(std::optional<QRectF>)

class TestWheelSelection final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotAtAngle_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("expected");
        QTest::newRow("4 down") << 4 << 180.0 << 2;
        QTest::newRow("4 tie up-right goes to 0") << 4 << 45.0 << 0;
        QTest::newRow("4 tie down-right goes to 1") << 4 << 135.0 << 1;
        QTest::newRow("4 tie up-left goes to 0") << 4 << 315.0 << 0;
        QTest::newRow("4 just past the up-left tie") << 4 << 314.9 << 3;
        QTest::newRow("4 wraps past 360") << 4 << 359.9 << 0;
        QTest::newRow("2 left") << 2 << 200.0 << 0;
        QTest::newRow("2 right") << 2 << 10.0 << 1;
        QTest::newRow("2 straight up is a tie") << 2 << 0.0 << 0;
        QTest::newRow("2 straight down is a tie") << 2 << 180.0 << 0;
        QTest::newRow("6 at 300") << 6 << 300.0 << 5;
        QTest::newRow("6 tie at 150") << 6 << 150.0 << 2;
        QTest::newRow("5 at 144") << 5 << 144.0 << 2;
        QTest::newRow("1 any") << 1 << 200.0 << 0;
        QTest::newRow("0") << 0 << 90.0 << 0;
    }
    void slotAtAngle()
    {
        QFETCH(int, count);
        QFETCH(double, angle);
        QFETCH(int, expected);
        QCOMPARE(WheelGeometry::slot(angle, count), expected);
    }

    void positionName_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one slot") << 0 << 1 << "Whole ring";
        QTest::newRow("two, first") << 0 << 2 << "Left";
        QTest::newRow("two, second") << 1 << 2 << "Right";
        QTest::newRow("three, 120") << 1 << 3 << "Bottom right";
        QTest::newRow("three, 240") << 2 << 3 << "Bottom left";
        QTest::newRow("five, 72") << 1 << 5 << "Right";
        QTest::newRow("five, 288") << 4 << 5 << "Left";
        QTest::newRow("six, 60") << 1 << 6 << "Top right";
        QTest::newRow("six, 300") << 5 << 6 << "Top left";
    }
    void positionName()
    {
        QFETCH(int, slot);
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(WheelGeometry::positionName(slot, count), expected);
    }

    void pointerSelectsByDirectionAndDistance_data()
    {
        QTest::addColumn<int>("slots");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("distance");
        QTest::addColumn<int>("expected"); // -1: nothing
        QTest::newRow("4 above") << 4 << 0.0 << 60.0 << 0;
        QTest::newRow("4 right") << 4 << 90.0 << 60.0 << 1;
        QTest::newRow("2 left of origin") << 2 << 250.0 << 40.0 << 0;
        QTest::newRow("2 right of origin") << 2 << 100.0 << 40.0 << 1;
        QTest::newRow("1 at 22") << 1 << 90.0 << 22.0 << 0;
        QTest::newRow("1 at 21.9") << 1 << 90.0 << 21.9 << -1;
        QTest::newRow("6 at 120") << 6 << 120.0 << 500.0 << 2;
        QTest::newRow("no slots") << 0 << 90.0 << 80.0 << -1;
    }
    void pointerSelectsByDirectionAndDistance()
    {
        QFETCH(int, slots);
        QFETCH(double, angle);
        QFETCH(double, distance);
        QFETCH(int, expected);
        Fixture f({ring("A", slots)});
        f.wheel.open(origin);
        f.wheel.select(toward(origin, angle, distance));
        QCOMPARE(f.wheel.model().selectedSlot().value_or(-1), expected);
        const WheelSlot chosen = f.wheel.close();
        QCOMPARE(chosen.has_value(), expected >= 0);
        if (expected >= 0)
            QCOMPARE(*chosen, *f.store.sets().first().rings.first().slots.at(expected));
    }

    void closingAnswersNothingInTheCentreOrOnAnEmptySlot()
    {
        Fixture f({ring("A", 2, 2)});
        f.wheel.open(origin);
        f.wheel.select(toward(origin, 0, 80));
        QCOMPARE(f.wheel.model().selectedSlot(), std::optional<int>(0));
        QVERIFY(!f.wheel.close(origin + QPointF(5, 5)).has_value());

        f.wheel.open(origin);
        QVERIFY(!f.wheel.close(toward(origin, 180, 80)).has_value()); // slot 2 is empty
        QCOMPARE(f.wheel.model().selectedSlot(), std::nullopt);
        QVERIFY(!f.wheel.close(toward(origin, 90, 80)).has_value()); // not open any more
    }

    void openingTwiceKeepsTheFirstOrigin()
    {
        Fixture f({ring("A", 4)});
        f.wheel.open(origin);
        f.wheel.open(origin + QPointF(300, 0));
        QCOMPARE(f.wheel.origin(), origin);
        QCOMPARE(f.panel.shows, 1);
        f.wheel.close();
        f.wheel.open(origin);
        QCOMPARE(f.panelsMade, 1);
        QCOMPARE(f.panel.shows, 2);
        QCOMPARE(f.panel.hides, 1);
    }

    void preparingMakesThePanelOnceAheadOfTheFirstOpen_data()
    {
        QTest::addColumn<bool>("openedBefore");
        QTest::addColumn<bool>("closedAgain");
        QTest::newRow("before any open") << false << false;
        QTest::newRow("while open") << true << false;
        QTest::newRow("after an open") << true << true;
    }
    void preparingMakesThePanelOnceAheadOfTheFirstOpen()
    {
        QFETCH(bool, openedBefore);
        QFETCH(bool, closedAgain);
        Fixture f({ring("Edit", 4), ring("Read", 2, 0, true), ring("More", 6)});
        f.frontApp = QStringLiteral("editor");
        if (openedBefore)
            f.wheel.open(origin);
        if (closedAgain)
            f.wheel.close();
        const int questions = f.readOnlyQuestions;
        f.wheel.prepare();
        f.wheel.prepare();
        QCOMPARE(f.panelsMade, 1);
        QCOMPARE(f.panel.shows, openedBefore ? 1 : 0);
        // Only a panel that never showed has something to load; the desktop is not asked.
        QCOMPARE(f.panel.prepares, openedBefore ? 0 : 1);
        QCOMPARE(f.readOnlyQuestions, questions);
        QCOMPARE(f.wheel.isOpen(), openedBefore && !closedAgain);
        if (!openedBefore) {
            QStringList titles;
            for (const WheelTab &tab : f.wheel.model().tabs())
                titles << tab.title;
            QCOMPARE(titles, QStringList({"Edit", "Read", "More"}));
            QCOMPARE(f.wheel.model().layout().tabCount, 3);
        }
        f.wheel.close();
        f.wheel.open(origin);
        QCOMPARE(f.panelsMade, 1);
        QCOMPARE(f.wheel.model().tabs().first().title, QStringLiteral("Edit"));
    }

    void lineScrollingWrapsAndIsLockedForAMoment()
    {
        Fixture f({ring("A", 4), ring("B", 4), ring("C", 4)});
        f.wheel.open(origin);
        f.scrollLines(1);
        QCOMPARE(f.wheel.model().tabIndex(), 2);
        f.now += 100ms;
        f.scrollLines(-1);
        QCOMPARE(f.wheel.model().tabIndex(), 2);
        f.now += 150ms;
        f.scrollLines(-1);
        QCOMPARE(f.wheel.model().tabIndex(), 0);
        f.now += 250ms;
        f.scrollLines(0);
        QCOMPARE(f.wheel.model().tabIndex(), 0);
        f.scrollLines(-2);
        QCOMPARE(f.wheel.model().tabIndex(), 1);
        f.wheel.close();
        f.now += 1s;
        f.scrollLines(-1); // closed: ignored
        QCOMPARE(f.wheel.model().tabIndex(), 1);

        Fixture single({ring("A", 4)});
        single.wheel.open(origin);
        single.scrollLines(-1);
        QCOMPARE(single.wheel.model().tabIndex(), 0);
    }

    void continuousScrollingAccumulatesAndIgnoresMomentum()
    {
        Fixture f({ring("A", 4), ring("B", 4)});
        f.wheel.open(origin);
        f.scrollPoints(-2);
        f.scrollPoints(-2);
        QCOMPARE(f.wheel.model().tabIndex(), 0);
        f.scrollPoints(-2);
        QCOMPARE(f.wheel.model().tabIndex(), 1);
        // Nothing is gathered during the lock, and momentum never counts.
        f.scrollPoints(-5.9);
        f.now += 300ms;
        f.scrollPoints(-40, true);
        f.scrollPoints(-5.9);
        QCOMPARE(f.wheel.model().tabIndex(), 1);
        f.scrollPoints(5.9); // back to near zero: no switch
        f.scrollPoints(-0.2);
        QCOMPARE(f.wheel.model().tabIndex(), 1);
        f.scrollPoints(6.3);
        QCOMPARE(f.wheel.model().tabIndex(), 0);
    }

    void switchingRingsReselectsFromTheLastPoint()
    {
        Fixture f({ring("Six", 6), ring("Four", 4), ring("Empty", 0)});
        f.wheel.open(origin);
        f.wheel.select(toward(origin, 300, 80));
        QCOMPARE(f.wheel.model().selectedSlot(), std::optional<int>(5));
        f.scrollLines(-1);
        QCOMPARE(f.wheel.model().selectedSlot(), std::optional<int>(3));
        f.now += 1s;
        f.scrollLines(-1);
        QCOMPARE(f.wheel.model().selectedSlot(), std::nullopt);
        QVERIFY(!f.wheel.close().has_value());
        // The shown rings and the ring reached stay until the next open.
        QCOMPARE(f.wheel.model().tabIndex(), 2);
        f.wheel.open(origin);
        QCOMPARE(f.wheel.model().tabIndex(), 0);
    }

    void readOnlyRingComesFirstAndAppSetIsChosen()
    {
        Fixture f({ring("Edit", 4), ring("Read", 2, 0, true)});
        f.readOnly = true;
        f.wheel.open(origin);
        QCOMPARE(f.wheel.model().tabs().first().title, QStringLiteral("Read"));
        QCOMPARE(f.readOnlyQuestions, 1);
        f.wheel.close();

        QList<WheelSet> sets = f.store.sets();
        sets.append(WheelSet{QUuid::createUuid(), "Editor", {"editor"}, {}, {ring("Mine", 3)}});
        f.store.setSets(sets);
        f.frontApp = QStringLiteral("editor");
        f.wheel.open(origin);
        QCOMPARE(f.wheel.model().tabs().size(), 1);
        QCOMPARE(f.wheel.model().tabs().first().title, QStringLiteral("Mine"));
        QCOMPARE(f.wheel.model().layout().tabCount, 1);
    }

    void listSideAndScreen_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QList<ScreenInfo>>("screens");
        QTest::addColumn<bool>("listOnLeft");
        QTest::addColumn<std::optional<QRectF>>("visible");
        const ScreenInfo main{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)};
        const ScreenInfo left{QRectF(-1000, 0, 1000, 800), QRectF(-1000, 40, 1000, 760)};
        const std::optional<QRectF> none;
        QTest::newRow("exactly room") << QPointF(253, 300) << QList{main} << true << std::optional(main.visibleFrame);
        QTest::newRow("just short") << QPointF(252.9, 300) << QList{main} << false << std::optional(main.visibleFrame);
        QTest::newRow("second screen") << QPointF(-900, 300) << QList{main, left} << false << std::optional(left.visibleFrame);
        QTest::newRow("no screen") << QPointF(10, 10) << QList<ScreenInfo>{} << true << none;
    }
    void listSideAndScreen()
    {
        QFETCH(QPointF, at);
        QFETCH(QList<ScreenInfo>, screens);
        QFETCH(bool, listOnLeft);
        QFETCH(std::optional<QRectF>, visible);
        Fixture f({ring("A", 4), ring("B", 4)});
        f.screens.setScreens(screens);
        f.wheel.open(at);
        QCOMPARE(f.wheel.model().layout(), (WheelLayout{2, listOnLeft}));
        QCOMPARE(f.panel.lastVisible, visible);
    }

    void pollingOnlyWhileOpenedWithoutAPoint()
    {
        Fixture f({ring("A", 4)});
        f.screens.setPointerLocation(origin);
        f.wheel.open();
        QVERIFY(f.wheel.isPolling());
        QCOMPARE(f.wheel.origin(), origin);
        f.screens.setPointerLocation(toward(origin, 90, 50));
        QTRY_COMPARE_WITH_TIMEOUT(f.wheel.model().selectedSlot(), std::optional<int>(1), 1000);
        // Closing reads the pointer once more.
        f.screens.setPointerLocation(toward(origin, 180, 50));
        QCOMPARE(f.wheel.close(), f.store.sets().first().rings.first().slots.at(2));
        QVERIFY(!f.wheel.isPolling());
        QVERIFY(f.wheel.findChildren<QTimer *>().isEmpty());

        f.wheel.open(origin);
        QVERIFY(!f.wheel.isPolling());
        QVERIFY(f.wheel.findChildren<QTimer *>().isEmpty());
        f.wheel.close();
    }

    void modelSignalsOnlyRealChanges()
    {
        Fixture f({ring("A", 4)});
        int selections = 0;
        connect(&f.wheel.model(), &WheelModel::selectedSlotChanged, this, [&] { ++selections; });
        f.wheel.open(origin);
        f.wheel.select(toward(origin, 10, 40));
        f.wheel.select(toward(origin, 20, 60));
        f.wheel.select(toward(origin, 30, 80));
        QCOMPARE(selections, 1);
        f.wheel.select(origin);
        QCOMPARE(selections, 2);
    }
};

QTEST_GUILESS_MAIN(TestWheelSelection)
#include "test_wheelselection.moc"
