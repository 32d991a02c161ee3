#include "wheel/wheellayout.h"
#include "wheel/wheelmodel.h"

#include <QTest>

class TestWheelLayout final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void geometry_data()
    {
        QTest::addColumn<int>("rings");
        QTest::addColumn<bool>("listOnLeft");
        QTest::addColumn<QRectF>("list");
        QTest::addColumn<QRectF>("wheel");
        QTest::addColumn<double>("height");
        QTest::newRow("no rings counts as one") << 0 << true << QRectF(0, 94, 128, 42) << QRectF(138, 0, 230, 230) << 230.0;
        QTest::newRow("two rings, list right") << 2 << false << QRectF(240, 79, 128, 72) << QRectF(0, 0, 230, 230) << 230.0;
        QTest::newRow("seven rings fit the wheel") << 7 << true << QRectF(0, 4, 128, 222) << QRectF(138, 0, 230, 230) << 230.0;
        QTest::newRow("nine rings") << 9 << true << QRectF(0, 0, 128, 282) << QRectF(138, 26, 230, 230) << 282.0;
    }
    void geometry()
    {
        QFETCH(int, rings);
        QFETCH(bool, listOnLeft);
        QFETCH(QRectF, list);
        QFETCH(QRectF, wheel);
        QFETCH(double, height);
        const WheelLayout layout{rings, listOnLeft};
        QCOMPARE(layout.listFrame(), list);
        QCOMPARE(layout.wheelRect(), wheel);
        QCOMPARE(layout.overlayHeight(), height);
    }

    void panelFrame_data()
    {
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<bool>("listOnLeft");
        QTest::addColumn<QRectF>("expected");
        const QRectF visible(0, 0, 1440, 875);
        QTest::newRow("centred on the wheel, list left") << QPointF(700, 400) << true << QRectF(447, 285, 368, 230);
        QTest::newRow("centred on the wheel, list right") << QPointF(200, 400) << false << QRectF(85, 285, 368, 230);
        QTest::newRow("10 from the right edge") << QPointF(1430, 400) << true << QRectF(1072, 285, 368, 230);
        QTest::newRow("near the bottom") << QPointF(700, 20) << true << QRectF(447, 0, 368, 230);
        QTest::newRow("near the top") << QPointF(700, 870) << true << QRectF(447, 645, 368, 230);
    }
    void panelFrame()
    {
        QFETCH(QPointF, origin);
        QFETCH(bool, listOnLeft);
        QFETCH(QRectF, expected);
        const WheelLayout layout{3, listOnLeft};
        QCOMPARE(layout.panelFrame(origin, QRectF(0, 0, 1440, 875)), expected);
        // Without a known screen nothing is clamped.
        QCOMPARE(layout.panelFrame(origin, std::nullopt).center().y(), origin.y());
    }

    void currentTabFallsBack()
    {
        WheelModel model;
        const WheelTab a{QUuid::createUuid(), "A", {}, false};
        model.setTabs({a});
        model.setTabIndex(3);
        QCOMPARE(model.currentTab(), a);
        model.setTabs({});
        QCOMPARE(model.currentTab().title, QStringLiteral("Text"));
        QCOMPARE(model.currentTab().id, model.currentTab().id);
    }
};

QTEST_GUILESS_MAIN(TestWheelLayout)
#include "test_wheellayout.moc"
