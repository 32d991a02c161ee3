#include "platform/fake/memorydefaults.h"
#include "ui/fittedtext.h"
#include "ui/slotlabels.h"
#include "ui/symbolmap.h"
#include "ui/wheeloverlay.h"
#include "ui/wheelsegmentshape.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QScreen>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>

namespace {
QPointF polar(QPointF c, double radius, double degreesFromUp)
{
    const double a = qDegreesToRadians(degreesFromUp);
    return c + QPointF(std::sin(a) * radius, -std::cos(a) * radius);
}

struct Stores {
    MemoryDefaults defaults;
    WheelStore wheels{defaults};
    KeyComboStore combos{defaults, wheels};
    PromptStore prompts{defaults, wheels};
    WheelItemDisplay display{combos, prompts, defaults, [](const QString &id) { return id; }};
};

bool isOrange(QColor c)
{
    return c.red() > 200 && c.green() > 80 && c.green() < 140 && c.blue() < 90;
}
} // namespace

class TestWheelOverlay final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void segmentShape()
    {
        const QRectF rect(0, 0, 230, 230);
        const QPointF c = rect.center();
        const double R = 112, r = 41;
        const QPainterPath ring = WheelSegmentShape{0, 360, r, R}.path(rect);
        QVERIFY(ring.contains(polar(c, 80, 200)));
        QVERIFY(!ring.contains(c));
        QVERIFY(!ring.contains(polar(c, 113, 10)));

        // Slot 0 of four: centred on the top, rounded at the corners.
        const QPainterPath top = WheelSegmentShape{-43, 43, r, R}.path(rect);
        QVERIFY(top.contains(polar(c, 76, 0)));
        QVERIFY(top.contains(polar(c, 76, 40)));
        QVERIFY(!top.contains(polar(c, 76, 90)));
        QVERIFY(!top.contains(polar(c, 76, 180)));
        QVERIFY(!top.contains(polar(c, R - 0.5, 42.8)));  // the outer corner is cut round
        QVERIFY(top.contains(polar(c, R - 0.5, 30)));
        QVERIFY(!top.contains(polar(c, r + 0.5, -42.5))); // and the inner one
        QCOMPARE(qRound(top.boundingRect().top()), qRound(c.y() - R));

        // Two slots sit left and right.
        const QPainterPath left = WheelSegmentShape{270 - 88, 270 + 88, r, R}.path(rect);
        QVERIFY(left.contains(polar(c, 76, 270)));
        QVERIFY(!left.contains(polar(c, 76, 90)));
    }

    void fittedText()
    {
        QFont font = QApplication::font();
        font.setPixelSize(11);
        const FittedText shortText = FittedText::fit("Rewrite", font, 84);
        QCOMPARE(shortText.font.pixelSize(), 11);
        QCOMPARE(shortText.lines, QStringList{"Rewrite"});

        const QString longer = "Summarize everything";
        const double full = QFontMetricsF(font).horizontalAdvance(longer);
        const FittedText shrunk = FittedText::fit(longer, font, full * 0.85);
        QVERIFY(shrunk.font.pixelSize() < 11);
        QVERIFY(shrunk.font.pixelSize() >= 8);
        QCOMPARE(shrunk.lines, QStringList{longer});

        const FittedText truncated = FittedText::fit(longer, font, full * 0.4);
        QCOMPARE(truncated.font.pixelSize(), 8);
        QCOMPARE(truncated.lines.size(), 1);
        QVERIFY(truncated.lines.first().endsWith(QChar(0x2026)));
        QVERIFY(truncated.size().width() <= full * 0.4);

        const FittedText twoLines = FittedText::fit("Translate to Portuguese now", font, full * 0.8, 2);
        QCOMPARE(twoLines.lines.size(), 2);
        QCOMPARE(twoLines.font.pixelSize(), 11);
    }

    void everyMappedSymbolHasAnIcon()
    {
        QStringList missing;
        const QStringList symbols = SymbolMap::mappedSymbols();
        for (const QString &symbol : symbols) {
            QFile file(QStringLiteral(":/symbols/%1.svg").arg(SymbolMap::iconName(symbol)));
            if (!file.open(QIODevice::ReadOnly) || !QSvgRenderer(file.readAll()).isValid())
                missing << symbol;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        QVERIFY(QSvgRenderer(QStringLiteral(":/symbols/%1.svg").arg(SymbolMap::fallbackIcon)).isValid());
        QCOMPARE(SymbolMap::iconName("no.such.symbol"), QString::fromLatin1(SymbolMap::fallbackIcon));
    }

    void symbolsOfSlotsAreMapped()
    {
        Stores stores;
        const QList<WheelItem> items{WheelItem::proofread(), WheelItem::rewrite(), WheelItem::translate(),
                                     WheelItem::translateTo(TargetLanguage::german), WheelItem::explain(),
                                     WheelItem::summarize(), WheelItem::ask(), WheelItem::shortcut("s", "1"),
                                     WheelItem::keys(KeyCombo{}), WheelItem::customKeys(QUuid::createUuid()),
                                     WheelItem::openApp("x"), WheelItem::openURL("https://a.example", ""),
                                     WheelItem::customPrompt(QUuid::createUuid())};
        for (const WheelItem &item : items)
            QVERIFY2(SymbolMap::isMapped(stores.display.symbol(item)), qPrintable(stores.display.symbol(item)));
    }

    void slotImages()
    {
        Stores stores;
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QStringList asked;
        const SlotLabels labels(
            stores.display,
            [&](const QString &id) {
                asked << id;
                return id == "known" ? QIcon(red) : QIcon();
            },
            [&](const QString &address) {
                asked << address;
                return QIcon();
            });
        QVERIFY(!labels.label(WheelItem::openApp("known")).image.isNull());
        const SlotLabel unknownApp = labels.label(WheelItem::openApp("unknown"));
        QVERIFY(unknownApp.image.isNull());
        QCOMPARE(unknownApp.symbol, "app");
        // A site whose icon was never fetched shows the link symbol.
        const SlotLabel site = labels.label(WheelItem::openURL("https://news.example.org", "News"));
        QVERIFY(site.image.isNull());
        QCOMPARE(site.symbol, "link");
        QVERIFY(labels.label(WheelItem::proofread()).image.isNull());
        QCOMPARE(asked, QStringList({"known", "unknown", "https://news.example.org"}));
    }

    void placementAndDrawing_data()
    {
        QTest::addColumn<bool>("composited");
        QTest::newRow("composited") << true;
        QTest::newRow("no compositor") << false;
    }
    void placementAndDrawing()
    {
        QFETCH(bool, composited);
        Stores stores;
        const SlotLabels labels(stores.display);
        WheelModel model;
        WheelTab tab = WheelTab::standard();
        QList<WheelTab> tabs;
        for (int i = 0; i < 9; ++i)
            tabs.append(tab);
        model.setTabs(tabs);
        model.setLayout(WheelLayout{9, true});
        model.setSelectedSlot(1);
        WheelOverlay overlay(model, [&](const WheelItem &item) { return labels.label(item); },
                             [composited] { return composited; });

        const QRectF desktop = QApplication::primaryScreen()->geometry();
        const QRectF visible(0, 0, desktop.width(), desktop.height());
        // 10 points from the right edge, in the middle of the height (y up).
        overlay.showWheel(QPointF(visible.right() - 10, visible.height() / 2), visible);
        QCOMPARE(overlay.geometry(), QRect(int(desktop.width()) - 368, qRound(desktop.height() / 2 - 141), 368, 282));
        QVERIFY(overlay.isVisible());
        QVERIFY(!overlay.testAttribute(Qt::WA_Disabled));
        QVERIFY(overlay.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(overlay.windowFlags().testFlag(Qt::WindowTransparentForInput));
        QCOMPARE(overlay.mask().isEmpty(), composited);
        if (!composited) {
            QVERIFY(!overlay.mask().contains(QPoint(1, 1)));
            QVERIFY(overlay.mask().contains(QPoint(253, 141)));
            QVERIFY(overlay.mask().contains(QPoint(64, 141)));
        }

        int paints = 0;
        overlay.setPaintObserver([&] { ++paints; });
        const QImage image = overlay.grab().toImage();
        QVERIFY(paints > 0);
        const QPointF wheelCenter(253, 141);
        const double labelRadius = (112.125 + 41.4) / 2;
        // Slot 1 (right) is highlighted, slot 0 (top) is not; the first ring row is highlighted.
        QVERIFY(isOrange(image.pixelColor(polar(wheelCenter, labelRadius + 20, 90).toPoint())));
        QVERIFY(!isOrange(image.pixelColor(polar(wheelCenter, labelRadius + 20, 0).toPoint())));
        QVERIFY(isOrange(image.pixelColor(QPoint(14, 8 + 13))));
        QVERIFY(!isOrange(image.pixelColor(QPoint(14, 8 + 30 + 13))));
        // Outside the disc and the list nothing is drawn; inside, the surface is opaque only when no
        // compositor can blend it with the desktop.
        QCOMPARE(image.pixelColor(QPoint(130, 2)).alpha(), 0);
        QCOMPARE(image.pixelColor(polar(wheelCenter, 113.5, 45).toPoint()).alpha() == 255, !composited);

        overlay.hideWheel();
        QVERIFY(!overlay.isVisible());
    }

    void preparingStaysOutOfSight()
    {
        Stores stores;
        const SlotLabels labels(stores.display);
        WheelModel model;
        model.setTabs({WheelTab::standard(), WheelTab::standard()});
        model.setLayout(WheelLayout{2, true});
        WheelOverlay overlay(model, [&](const WheelItem &item) { return labels.label(item); }, [] { return false; });
        int paints = 0;
        overlay.setPaintObserver([&] { ++paints; });
        overlay.prepare();
        QVERIFY(overlay.testAttribute(Qt::WA_WState_Created));
        QVERIFY(!overlay.isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(paints, 0);
        overlay.showWheel(QPointF(400, 300), std::nullopt);
        QVERIFY(overlay.isVisible());
        QVERIFY(!overlay.mask().isEmpty());
    }
};

QTEST_MAIN(TestWheelOverlay)
#include "test_wheeloverlay.moc"
