#include "ui/indicatorsymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QtMath>

namespace {
constexpr int symbolSize = 16;
constexpr int spinnerSpokes = 12;
constexpr int spinnerStepMs = 80;
} // namespace

namespace IndicatorSymbols {

void paintWarningTriangle(QPainter &painter, const QRectF &box, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(box.width(), box.height());
    const QPointF origin = box.center() - QPointF(s / 2, s / 2);
    const auto at = [&](qreal x, qreal y) { return origin + QPointF(x * s, y * s); };

    // A triangle with rounded corners: a thick round-joined outline of a smaller triangle, filled.
    QPainterPath triangle;
    triangle.moveTo(at(0.5, 0.12));
    triangle.lineTo(at(0.92, 0.86));
    triangle.lineTo(at(0.08, 0.86));
    triangle.closeSubpath();
    painter.setPen(QPen(color, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPath(triangle);

    painter.setPen(QPen(Qt::white, s * 0.11, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.5, 0.38), at(0.5, 0.62));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(0.5, 0.76), s * 0.065, s * 0.065);
    painter.restore();
}

void paintCheckCircle(QPainter &painter, const QRectF &box, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(box.width(), box.height());
    const QPointF origin = box.center() - QPointF(s / 2, s / 2);
    const auto at = [&](qreal x, qreal y) { return origin + QPointF(x * s, y * s); };

    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(origin, QSizeF(s, s)).adjusted(s * 0.03, s * 0.03, -s * 0.03, -s * 0.03));
    QPainterPath check;
    check.moveTo(at(0.29, 0.52));
    check.lineTo(at(0.44, 0.67));
    check.lineTo(at(0.72, 0.35));
    painter.setPen(QPen(Qt::white, s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    painter.restore();
}

} // namespace IndicatorSymbols

IndicatorSymbolView::IndicatorSymbolView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
}

void IndicatorSymbolView::setSymbol(Symbol symbol)
{
    m_symbol = symbol;
    update();
}

QSize IndicatorSymbolView::sizeHint() const
{
    return {symbolSize, symbolSize};
}

void IndicatorSymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_symbol == Symbol::warning)
        IndicatorSymbols::paintWarningTriangle(painter, rect());
    else
        IndicatorSymbols::paintCheckCircle(painter, rect());
}

SpinnerView::SpinnerView(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    setFixedSize(sizeHint());
    m_timer->setInterval(spinnerStepMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % spinnerSpokes;
        update();
    });
}

QSize SpinnerView::sizeHint() const
{
    return {symbolSize, symbolSize};
}

void SpinnerView::showEvent(QShowEvent *)
{
    m_timer->start();
}

void SpinnerView::hideEvent(QHideEvent *)
{
    m_timer->stop();
}

void SpinnerView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QRectF(rect()).center());
    const qreal radius = symbolSize / 2.0;
    const QColor base = palette().color(QPalette::WindowText);
    for (int spoke = 0; spoke < spinnerSpokes; ++spoke) {
        // The spoke at the current step is darkest; the ones behind it fade.
        const int age = (m_step - spoke + spinnerSpokes) % spinnerSpokes;
        QColor color = base;
        color.setAlphaF(float(1.0 - 0.75 * age / (spinnerSpokes - 1)));
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
        const qreal angle = qDegreesToRadians(spoke * 360.0 / spinnerSpokes - 90);
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(direction * radius * 0.45, direction * radius * 0.9);
    }
}
