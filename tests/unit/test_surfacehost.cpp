// A widget shown through an overlay surface (Wayland) must look and act as the same widget in a
// window of its own: its geometry and visibility followed, its pixels drawn at the screen's scale
// and opacity, clicks and keys reaching its children, and copy and paste going through the
// desktop's clipboard.
#include "platform/fake/fakeclipboard.h"
#include "platform/fake/fakeoverlaysurfaces.h"
#include "ui/surfacehost.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

namespace {
// A window that paints itself one colour, with a button and a text field.
class Panel final : public QWidget {
public:
    Panel()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    {
        auto *layout = new QVBoxLayout(this);
        button = new QPushButton(QStringLiteral("Replace"));
        field = new QLineEdit;
        field->setToolTip(QStringLiteral("a tip"));
        layout->addWidget(button);
        layout->addWidget(field);
        setGeometry(100, 200, 240, 120);
    }
    QColor colour = Qt::red;
    QPushButton *button;
    QLineEdit *field;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), colour); }
};

SurfacePointerEvent pointer(SurfacePointerEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton)
{
    SurfacePointerEvent event;
    event.type = type;
    event.position = at;
    event.global = at + QPointF(100, 200);
    event.button = button;
    event.buttons = type == SurfacePointerEvent::Type::press ? Qt::MouseButtons(button) : Qt::MouseButtons();
    return event;
}

SurfaceKeyEvent key(int qtKey, const QString &text, Qt::KeyboardModifiers modifiers = {})
{
    SurfaceKeyEvent event;
    event.key = qtKey;
    event.text = text;
    event.modifiers = modifiers;
    return event;
}

void press(const FakeOverlaySurface &surface, const SurfaceKeyEvent &down)
{
    surface.send(down);
    SurfaceKeyEvent up = down;
    up.pressed = false;
    surface.send(up);
}
} // namespace

class TestSurfaceHost final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheWidgetAndDrawsIt()
    {
        Panel panel;
        auto owned = std::make_unique<FakeOverlaySurface>(1.5);
        FakeOverlaySurface &surface = *owned;
        SurfaceHost host(panel, std::move(owned));
        QVERIFY(panel.testAttribute(Qt::WA_DontShowOnScreen));
        QVERIFY(!surface.shown);

        panel.show();
        QVERIFY(surface.shown);
        QCOMPARE(surface.contentRect(), QRect(100, 200, 240, 120));
        QTRY_VERIFY(!surface.frames.isEmpty());
        // Drawn at the screen's scale: 1.5 device pixels per point, rounded up.
        QCOMPARE(surface.frames.last().size(), QSize(360, 180));
        QCOMPARE(surface.frames.last().pixelColor(350, 170), QColor(Qt::red));

        // A repaint the widget asks for reaches the surface.
        const qsizetype before = surface.frames.size();
        panel.colour = Qt::blue;
        panel.update();
        QTRY_VERIFY(surface.frames.size() > before);
        QCOMPARE(surface.frames.last().pixelColor(10, 10), QColor(Qt::blue));

        // Moving and resizing move the surface; half opacity is drawn at half alpha.
        panel.setGeometry(300, 50, 200, 100);
        QCOMPARE(surface.contentRect(), QRect(300, 50, 200, 100));
        panel.setWindowOpacity(0.5);
        QTRY_COMPARE(surface.frames.last().size(), QSize(300, 150));
        QTRY_VERIFY(qAbs(surface.frames.last().pixelColor(10, 10).alphaF() - 0.5) < 0.02);

        panel.hide();
        QVERIFY(!surface.shown);
    }

    void aSurfaceNotReadyIsDrawnWhenItAsks()
    {
        Panel panel;
        auto owned = std::make_unique<FakeOverlaySurface>();
        FakeOverlaySurface &surface = *owned;
        surface.refusesFrames = true;
        SurfaceHost host(panel, std::move(owned));
        panel.show();
        QTest::qWait(50);
        QVERIFY(surface.frames.isEmpty());
        surface.refusesFrames = false;
        surface.handlers.redraw();
        QTRY_COMPARE(surface.frames.size(), 1);
    }

    void clicksAndKeysReachTheChildren()
    {
        Panel panel;
        auto owned = std::make_unique<FakeOverlaySurface>();
        FakeOverlaySurface &surface = *owned;
        SurfaceHost host(panel, std::move(owned));
        panel.show();
        QSignalSpy clicked(panel.button, &QPushButton::clicked);
        const QPointF onButton = panel.button->geometry().center();
        surface.send(pointer(SurfacePointerEvent::Type::enter, onButton));
        surface.send(pointer(SurfacePointerEvent::Type::press, onButton, Qt::LeftButton));
        surface.send(pointer(SurfacePointerEvent::Type::release, onButton, Qt::LeftButton));
        QCOMPARE(clicked.size(), 1);
        // A press outside the button and a release on it is no click.
        surface.send(pointer(SurfacePointerEvent::Type::press, QPointF(2, 2), Qt::LeftButton));
        surface.send(pointer(SurfacePointerEvent::Type::release, onButton, Qt::LeftButton));
        QCOMPARE(clicked.size(), 1);

        // The text field under the pointer shows the text cursor's shape.
        surface.send(pointer(SurfacePointerEvent::Type::motion, panel.field->geometry().center()));
        QCOMPARE(surface.cursorShape, QStringLiteral("text"));

        surface.handlers.keyboardFocus(true);
        QCOMPARE(QApplication::activeWindow(), &panel);
        panel.field->setFocus();
        for (const QChar c : QStringLiteral("Hi"))
            press(surface, key(c.toUpper().unicode(), QString(c)));
        QCOMPARE(panel.field->text(), QStringLiteral("Hi"));
        surface.handlers.keyboardFocus(false);
        QVERIFY(QApplication::activeWindow() != &panel);
    }

    void tooltipsAndContextMenusStayClosed()
    {
        Panel panel;
        SurfaceHost host(panel, std::make_unique<FakeOverlaySurface>());
        panel.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), QPoint(105, 205));
        QApplication::sendEvent(panel.field, &help);
        QVERIFY(!QToolTip::isVisible());
        // Another window's tooltips are left alone.
        QLineEdit other;
        other.setToolTip(QStringLiteral("its own"));
        other.show();
        QHelpEvent otherHelp(QEvent::ToolTip, QPoint(5, 5), other.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&other, &otherHelp);
        QTRY_VERIFY(QToolTip::isVisible());
        QToolTip::hideText();
    }

    void copyAndPasteUseTheDesktopsClipboard()
    {
        Panel panel;
        auto owned = std::make_unique<FakeOverlaySurface>();
        FakeOverlaySurface &surface = *owned;
        FakeClipboard clipboard;
        SurfaceHost host(panel, std::move(owned));
        host.setClipboard(&clipboard);
        panel.show();
        surface.handlers.keyboardFocus(true);
        panel.field->setFocus();

        clipboard.setTextFromOtherProcess(QStringLiteral("pasted"));
        press(surface, key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier));
        QTRY_COMPARE(panel.field->text(), QStringLiteral("pasted"));

        panel.field->selectAll();
        press(surface, key(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier));
        QCOMPARE(clipboard.textWrites(), (QList<FakeClipboard::TextWrite>{{QStringLiteral("pasted"), false}}));
    }
};

QTEST_MAIN(TestSurfaceHost)
#include "test_surfacehost.moc"
