#include "ui/askmessageviews.h"

#include "ui/indicatorsymbols.h"
#include "ui/inlinemarkdown.h"
#include "ui/ringlecolors.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {
constexpr int textPixelSize = 14;
constexpr int bubblePaddingX = 12;
constexpr int bubblePaddingY = 7;
constexpr int bubbleLeftSpace = 80;
constexpr qreal bubbleRadius = 12;
constexpr qreal bubbleOpacity = 0.18;

void prepareText(QLabel &label)
{
    QFont font = label.font();
    font.setPixelSize(textPixelSize);
    label.setFont(font);
    label.setWordWrap(true);
    label.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
} // namespace

AskQuestionBubble::AskQuestionBubble(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(text))
{
    setObjectName(QStringLiteral("question"));
    prepareText(*m_text);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setContentsMargins(bubblePaddingX, bubblePaddingY, bubblePaddingX, bubblePaddingY);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(bubbleLeftSpace, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(m_text);
}

void AskQuestionBubble::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor tint = RingleColors::orange();
    tint.setAlphaF(float(bubbleOpacity));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(m_text->geometry()), bubbleRadius, bubbleRadius);
}

void PaintReportingLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (onPainted)
        onPainted();
}

AskAnswerView::AskAnswerView(QWidget *parent)
    : QWidget(parent)
    , m_spinnerRow(new QWidget)
    , m_label(new PaintReportingLabel)
{
    setObjectName(QStringLiteral("answer"));
    prepareText(*m_label);
    m_label->setOpenExternalLinks(true);
    auto *spinnerRow = new QHBoxLayout(m_spinnerRow);
    spinnerRow->setContentsMargins(0, 4, 0, 4);
    spinnerRow->addWidget(new SpinnerView);
    spinnerRow->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_spinnerRow);
    column->addWidget(m_label);
    m_label->hide();
}

void AskAnswerView::setText(const QString &text)
{
    m_spinnerRow->setVisible(text.isEmpty());
    m_label->setVisible(!text.isEmpty());
    if (text.isEmpty())
        return;
    if (const std::optional<QString> html = InlineMarkdown::toHtml(text)) {
        m_label->setTextFormat(Qt::RichText);
        m_label->setText(*html);
    } else {
        m_label->setTextFormat(Qt::PlainText);
        m_label->setText(text);
    }
}
