#include "ui/askquote.h"

#include "ai/graphemes.h"
#include "base/linebreaks.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

namespace {
constexpr qreal barWidth = 3;
constexpr qreal barRadius = 1.5;
constexpr int leadingPadding = 10;
constexpr int textPixelSize = 12;
} // namespace

AskQuote::AskQuote(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(text))
{
    setObjectName(QStringLiteral("quote"));
    QFont small = font();
    small.setPixelSize(textPixelSize);
    m_text->setFont(small);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setForegroundRole(QPalette::PlaceholderText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(leadingPadding, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_text);
    if (isLong(text)) {
        m_toggle = new QPushButton;
        m_toggle->setObjectName(QStringLiteral("showMore"));
        m_toggle->setFlat(true);
        m_toggle->setCursor(Qt::PointingHandCursor);
        QFont caption = font();
        caption.setPixelSize(11);
        m_toggle->setFont(caption);
        m_toggle->setForegroundRole(QPalette::Link);
        m_toggle->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; color: palette(link); text-align: left; }"));
        layout->addWidget(m_toggle, 0, Qt::AlignLeft);
        connect(m_toggle, &QPushButton::clicked, this, [this] { setExpanded(!m_expanded); });
    }
    setExpanded(false);
}

bool AskQuote::isLong(const QString &text)
{
    if (text.size() >= longLength && Graphemes::count(text) >= longLength)
        return true;
    return std::count_if(text.cbegin(), text.cend(), isLineBreak) > longLineBreaks;
}

bool AskQuote::hasToggle() const
{
    return m_toggle != nullptr;
}

void AskQuote::setExpanded(bool expanded)
{
    // Only a long text can be shown in full; a short one that wraps stays cut at three lines.
    m_expanded = expanded && m_toggle;
    const int limit = qCeil(QFontMetricsF(m_text->font()).lineSpacing() * collapsedLines);
    m_text->setMaximumHeight(m_expanded ? QWIDGETSIZE_MAX : limit);
    if (m_toggle)
        m_toggle->setText(m_expanded ? tr("Show less") : tr("Show more"));
    updateGeometry();
}

void AskQuote::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor bar = palette().color(QPalette::PlaceholderText);
    bar.setAlphaF(0.4f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bar);
    painter.drawRoundedRect(QRectF(0, 0, barWidth, m_text->geometry().bottom() + 1), barRadius, barRadius);
}
