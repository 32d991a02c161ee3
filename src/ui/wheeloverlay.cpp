#include "ui/wheeloverlay.h"

#include "base/latencyprobe.h"
#include "platform/screencoordinates.h"
#include "ui/wheeltablistpainter.h"

#include <QFontDatabase>
#include <QLoggingCategory>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVariantAnimation>
#include <QtMath>

namespace {
constexpr double listCornerRadius = 10;
// When a shown wheel first reaches the screen, for latency measurements of the running app.
Q_LOGGING_CATEGORY(lcOverlay, "ringle.wheel.overlay", QtInfoMsg)

// How much of the surface colour shows over the desktop when the window can be translucent.
constexpr double surfaceOpacity = 0.94;

QRectF primaryDesktopFrame()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}
} // namespace

WheelOverlay::WheelOverlay(WheelModel &model, WheelFacePainter::LabelSource labels,
                           std::function<bool()> compositing, QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                  | Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint)
    , m_model(model)
    , m_face(m_icons, std::move(labels))
    , m_compositing(std::move(compositing))
    , m_crossFade(new QVariantAnimation(this))
    , m_fadeIn(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Chosen before the window exists: an ARGB window is what lets a compositor blend it.
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(tr("Ringle Wheel"));

    m_crossFade->setDuration(crossFadeMilliseconds);
    m_crossFade->setStartValue(0.0);
    m_crossFade->setEndValue(1.0);
    m_crossFade->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_crossFade, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(m_crossFade, &QVariantAnimation::finished, this, [this] {
        m_fadingTab.reset();
        update();
    });

    m_fadeIn->setDuration(fadeInMilliseconds);
    m_fadeIn->setStartValue(0.0);
    m_fadeIn->setEndValue(1.0);
    connect(m_fadeIn, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setWindowOpacity(value.toDouble()); });

    connect(&m_model, &WheelModel::selectedSlotChanged, this, [this] { update(); });
    connect(&m_model, &WheelModel::tabsChanged, this, [this] { update(); });
    connect(&m_model, &WheelModel::tabIndexChanged, this, &WheelOverlay::ringChanged);
}

WheelOverlay::~WheelOverlay() = default;

void WheelOverlay::showWheel(QPointF origin, const std::optional<QRectF> &visibleFrame)
{
    m_composited = m_compositing && m_compositing();
    const WheelLayout layout = m_model.layout();
    const QRectF frame = ScreenCoordinates::fromYUp(layout.panelFrame(origin, visibleFrame), primaryDesktopFrame());
    setGeometry(QRect(qRound(frame.x()), qRound(frame.y()), qRound(frame.width()), qRound(frame.height())));

    m_crossFade->stop();
    m_fadingTab.reset();
    m_shownTab = m_model.currentTab();

    if (m_composited) {
        clearMask();
        setWindowOpacity(0.0);
        m_fadeIn->start();
    } else {
        // Without a compositor the window cannot be see-through: cut it to the disc and the list.
        setMask(shapeRegion());
        setWindowOpacity(1.0);
    }
    m_firstPaintPending = true;
    show();
    raise();
}

void WheelOverlay::hideWheel()
{
    m_fadeIn->stop();
    m_crossFade->stop();
    m_fadingTab.reset();
    hide();
}

void WheelOverlay::ringChanged()
{
    const WheelTab current = m_model.currentTab();
    if (isVisible() && m_shownTab && m_shownTab->id != current.id) {
        m_fadingTab = m_shownTab;
        // The selection still belongs to the ring that leaves; the wheel selects anew right after.
        m_fadingSelection = m_model.selectedSlot();
        m_crossFade->stop();
        m_crossFade->start();
    }
    m_shownTab = current;
    update();
}

QColor WheelOverlay::surfaceColor() const
{
    QColor color = palette().color(QPalette::Window);
    color.setAlphaF(m_composited ? float(surfaceOpacity) : 1.0f);
    return color;
}

QRegion WheelOverlay::shapeRegion() const
{
    const WheelLayout layout = m_model.layout();
    QPainterPath shape;
    shape.addEllipse(layout.wheelRect());
    shape.addRoundedRect(layout.listFrame(), listCornerRadius, listCornerRadius);
    return QRegion(shape.toFillPolygon().toPolygon());
}

void WheelOverlay::paintSurface(QPainter &painter)
{
    const WheelLayout layout = m_model.layout();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPainterPath surface;
    surface.setFillRule(Qt::WindingFill);
    surface.addEllipse(layout.wheelRect());
    surface.addRoundedRect(layout.listFrame(), listCornerRadius, listCornerRadius);
    painter.fillPath(surface, surfaceColor());
    // A hairline keeps the shapes apart from a background of the same colour.
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.12f);
    painter.setPen(QPen(edge, 1));
    painter.drawEllipse(layout.wheelRect().adjusted(0.5, 0.5, -0.5, -0.5));
    painter.drawRoundedRect(layout.listFrame().adjusted(0.5, 0.5, -0.5, -0.5), listCornerRadius, listCornerRadius);
}

void WheelOverlay::prepare()
{
    // The native window, the fonts, the symbol renderer and the slots' pictures load on first use:
    // make the window and paint every ring once into an image nobody sees.
    winId();
    const WheelLayout layout = m_model.layout();
    QImage image(qCeil(WheelLayout::overlayWidth), qCeil(layout.overlayHeight()), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintBackground(painter);
    for (const WheelTab &tab : m_model.tabs())
        paintFace(painter, tab, std::nullopt);
}

void WheelOverlay::paintBackground(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintSurface(painter);
    WheelTabListPainter::paint(painter, m_model.layout().listFrame(), m_model.tabs(), m_model.tabIndex(),
                               palette().color(QPalette::WindowText),
                               QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

void WheelOverlay::paintFace(QPainter &painter, const WheelTab &tab, std::optional<int> selection)
{
    m_face.paint(painter, m_model.layout().wheelRect(), tab, selection, false, palette().color(QPalette::WindowText),
                 QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

void WheelOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    const double progress = m_fadingTab ? m_crossFade->currentValue().toDouble() : 1.0;
    if (m_fadingTab) {
        painter.setOpacity(1.0 - progress);
        paintFace(painter, *m_fadingTab, m_fadingSelection);
    }
    painter.setOpacity(progress);
    paintFace(painter, m_model.currentTab(), m_model.selectedSlot());
    painter.end();

    if (m_paintObserver)
        m_paintObserver();
    if (m_firstPaintPending) {
        m_firstPaintPending = false;
        LatencyProbe::mark("first frame");
        qCDebug(lcOverlay) << "painted";
    }
}
