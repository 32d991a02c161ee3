#include "ui/resultbutton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int horizontalPadding = 12;
constexpr int verticalPadding = 6;
constexpr qreal cornerRadius = 6;
constexpr int labelPixelSize = 12;
constexpr int hoverAnimationMs = 150;
} // namespace

ResultButton::ResultButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
    , m_hoverAnimation(new QVariantAnimation(this))
{
    setText(text);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    QFont labelFont = font();
    labelFont.setPixelSize(labelPixelSize);
    labelFont.setWeight(QFont::Medium);
    setFont(labelFont);
    m_hoverAnimation->setDuration(hoverAnimationMs);
    m_hoverAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_hoverAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_hover = value.toReal();
        update();
    });
}

void ResultButton::setProminent(bool prominent)
{
    m_prominent = prominent;
    update();
}

QSize ResultButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * horizontalPadding, metrics.height() + 2 * verticalPadding};
}

qreal ResultButton::backgroundOpacity(bool prominent, bool hovered, bool pressed)
{
    if (prominent)
        return pressed ? 0.65 : hovered ? 1.0 : 0.8;
    return pressed ? 0.22 : hovered ? 0.15 : 0.07;
}

void ResultButton::enterEvent(QEnterEvent *event)
{
    animateHover(true);
    QAbstractButton::enterEvent(event);
}

void ResultButton::leaveEvent(QEvent *event)
{
    animateHover(false);
    QAbstractButton::leaveEvent(event);
}

void ResultButton::animateHover(bool hovered)
{
    m_hoverAnimation->stop();
    m_hoverAnimation->setStartValue(m_hover);
    m_hoverAnimation->setEndValue(hovered ? 1.0 : 0.0);
    m_hoverAnimation->start();
}

void ResultButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Not usable yet (while an answer is written): the same button, faded.
    if (!isEnabled())
        painter.setOpacity(0.4);
    const QColor base = m_prominent ? palette().color(QPalette::Highlight) : palette().color(QPalette::WindowText);
    // Between resting and hovered while the hover animates; pressed shows at once.
    const qreal resting = backgroundOpacity(m_prominent, false, false);
    const qreal hovered = backgroundOpacity(m_prominent, true, false);
    const qreal opacity = isDown() ? backgroundOpacity(m_prominent, true, true) : resting + (hovered - resting) * m_hover;
    QColor background = base;
    background.setAlphaF(float(opacity));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);

    painter.setPen(m_prominent ? QColor(Qt::white) : palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
