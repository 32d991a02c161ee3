#include "ui/trayiconart.h"

#include <QTest>
#include <QtMath>

namespace {
constexpr int scale = 4; // pixels per point
constexpr int pixels = int(TrayIconArt::designSize) * scale;

// The alpha at a point given in the icon's own terms: distance from the centre in points and the
// direction in degrees counter-clockwise from +x (y up).
int alphaAt(const QImage &image, qreal radius, qreal degrees)
{
    const qreal c = TrayIconArt::designSize / 2;
    const qreal perPoint = image.width() / TrayIconArt::designSize;
    const qreal x = (c + radius * qCos(qDegreesToRadians(degrees))) * perPoint;
    const qreal y = (c - radius * qSin(qDegreesToRadians(degrees))) * perPoint;
    return qAlpha(image.pixel(int(x), int(y)));
}

// Where segment i sits: bottom, right, top, left.
qreal middleOf(int segment)
{
    return segment * 90.0 - 90.0;
}
} // namespace

class TestTrayIconArt final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void segmentsAndTheirStrength_data()
    {
        QTest::addColumn<int>("highlighted");
        QTest::newRow("idle") << TrayIconArt::allSegments;
        for (int frame = 0; frame < 4; ++frame)
            QTest::addRow("frame %d", frame) << frame;
    }

    void segmentsAndTheirStrength()
    {
        QFETCH(int, highlighted);
        const QImage image = TrayIconArt::image(highlighted, pixels, Qt::black);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        for (int segment = 0; segment < 4; ++segment) {
            const bool strong = highlighted == TrayIconArt::allSegments || highlighted == segment;
            const int expected = strong ? 255 : qRound(255 * TrayIconArt::dimmedAlpha);
            // Across the ring's width and along most of the segment's span.
            for (qreal radius : {4.2, 6.15, 8.1}) {
                for (qreal offset : {-30.0, 0.0, 30.0}) {
                    const int alpha = alphaAt(image, radius, middleOf(segment) + offset);
                    QVERIFY2(qAbs(alpha - expected) <= 3,
                             qPrintable(QStringLiteral("segment %1 r %2 offset %3: alpha %4, expected %5")
                                            .arg(segment).arg(radius).arg(offset).arg(alpha).arg(expected)));
                }
            }
        }
    }

    void gapsCentreAndOutsideStayClear()
    {
        const QImage image = TrayIconArt::image(TrayIconArt::allSegments, pixels, Qt::black);
        QCOMPARE(alphaAt(image, 0, 0), 0);
        for (int segment = 0; segment < 4; ++segment) {
            const qreal boundary = middleOf(segment) + 45.0;
            for (qreal radius : {4.5, 6.15, 8.0})
                QCOMPARE(alphaAt(image, radius, boundary), 0);
            QCOMPARE(alphaAt(image, 3.2, middleOf(segment)), 0);
            QCOMPARE(alphaAt(image, 8.85, middleOf(segment)), 0);
        }
        // The corners are rounded: where the outer edge would meet the side in a sharp corner, it is clear.
        const QImage large = TrayIconArt::image(TrayIconArt::allSegments, pixels * 4, Qt::black);
        QVERIFY(alphaAt(large, 8.42, middleOf(0) + 45.0 - 5.94) < 40);
        QCOMPARE(alphaAt(large, 7.9, middleOf(0) + 30.0), 255);
    }

    void colourAndSizeFollowTheTray()
    {
        const QColor light(240, 240, 240);
        const QImage small = TrayIconArt::image(TrayIconArt::allSegments, 22, light);
        const QColor bottom = small.pixelColor(11, 11 + qRound(6.15 * 22 / 18));
        QCOMPARE(bottom.alpha(), 255);
        QCOMPARE(bottom.rgb(), light.rgb());
        const QIcon icon = TrayIconArt::icon(0, light);
        QVERIFY(icon.availableSizes().contains(QSize(22, 22)));
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
    }
};

QTEST_MAIN(TestTrayIconArt)
#include "test_trayiconart.moc"
