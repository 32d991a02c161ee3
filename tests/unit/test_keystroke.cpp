#include "actions/keystroke.h"
#include "platform/fake/fakekeyboard.h"
#include "platform/screencoordinates.h"

#include <QTest>

namespace {
constexpr KeyModifiers cmd = KeyModifiers::command;
constexpr KeyModifiers opt = KeyModifiers::option;
constexpr KeyModifiers ctl = KeyModifiers::control;
constexpr KeyModifiers sft = KeyModifiers::shift;
constexpr KeyModifiers function = KeyModifiers::function;
} // namespace

class TestKeystroke final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void combo_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<KeyModifiers>("flags");
        QTest::addColumn<QList<KeyEvent>>("expected");
        const KeyModifiers all = ctl | opt | sft | cmd;
        QTest::newRow("all four in table order")
            << 0 << all
            << QList<KeyEvent>{{59, true, ctl}, {58, true, ctl | opt}, {56, true, ctl | opt | sft}, {55, true, all},
                               {0, true, all}, {0, false, all}, {55, false, ctl | opt | sft}, {56, false, ctl | opt},
                               {58, false, ctl}, {59, false, {}}};
        QTest::newRow("no modifiers") << 122 << KeyModifiers() << QList<KeyEvent>{{122, true, {}}, {122, false, {}}};
        QTest::newRow("fn is not sent") << 49 << (function | opt)
                                                       << QList<KeyEvent>{{58, true, opt}, {49, true, opt}, {49, false, opt}, {58, false, {}}};
    }
    void combo()
    {
        QFETCH(int, keyCode);
        QFETCH(KeyModifiers, flags);
        QFETCH(QList<KeyEvent>, expected);
        FakeKeyboard keyboard;
        Keystroke::sendCombo(keyboard, {quint16(keyCode), flags});
        QCOMPARE(keyboard.events(), expected);
        QCOMPARE(keyboard.posts().size(), 1); // one sequence, no pauses in between
    }

    void singleKeyKeepsFlagsAsGiven()
    {
        FakeKeyboard keyboard;
        Keystroke::send(keyboard, {8, cmd | function});
        QCOMPARE(keyboard.events(), (QList<KeyEvent>{{8, true, cmd | function}, {8, false, cmd | function}}));
    }

    void screenCoordinates_data()
    {
        QTest::addColumn<QRectF>("primary");
        QTest::addColumn<QRectF>("desktop");
        QTest::addColumn<QRectF>("yUp");
        QTest::newRow("bottom of primary") << QRectF(0, 0, 1280, 800) << QRectF(100, 790, 5, 10) << QRectF(100, 0, 5, 10);
        QTest::newRow("screen above primary") << QRectF(0, 600, 1280, 800) << QRectF(0, 0, 1280, 600) << QRectF(0, 800, 1280, 600);
        QTest::newRow("primary not at origin") << QRectF(1920, 0, 1280, 1024) << QRectF(0, 0, 1920, 1080) << QRectF(-1920, -56, 1920, 1080);
    }
    void screenCoordinates()
    {
        QFETCH(QRectF, primary);
        QFETCH(QRectF, desktop);
        QFETCH(QRectF, yUp);
        QCOMPARE(ScreenCoordinates::toYUp(desktop, primary), yUp);
        QCOMPARE(ScreenCoordinates::fromYUp(yUp, primary), desktop);
        // A point in the desktop's row r lies r rows below the primary's top edge.
        QCOMPARE(ScreenCoordinates::toYUp(desktop.topLeft(), primary), QPointF(yUp.left(), yUp.bottom()));
        QCOMPARE(ScreenCoordinates::fromYUp(QPointF(yUp.left(), yUp.bottom()), primary), desktop.topLeft());
    }
};

QTEST_GUILESS_MAIN(TestKeystroke)
#include "test_keystroke.moc"
