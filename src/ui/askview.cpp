#include "ui/askview.h"

#include "ai/askchat.h"
#include "ui/askconversation.h"
#include "ui/askquestionfield.h"
#include "ui/symbolicons.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int sparkleSize = 20;
constexpr int stopSize = 22;
constexpr int horizontalPadding = 16;
} // namespace

AskView::AskView(AskChat &chat, QWidget *parent)
    : QWidget(parent)
    , m_chat(chat)
    , m_field(new AskQuestionField)
    , m_stop(new QToolButton)
    , m_divider(new QFrame)
    , m_conversation(new AskConversation(chat))
{
    setObjectName(QStringLiteral("askView"));
    setFixedWidth(width);
    SymbolIcons icons;
    const QColor secondary = palette().color(QPalette::PlaceholderText);

    auto *sparkle = new QLabel;
    sparkle->setPixmap(icons.pixmap(QStringLiteral("sparkle"), sparkleSize, secondary, devicePixelRatioF()));
    m_field->setPlaceholderText(chat.context() ? tr("Ask about the text…") : tr("Ask anything…"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setToolTip(tr("Stop"));
    m_stop->setAutoRaise(true);
    m_stop->setFocusPolicy(Qt::NoFocus);
    m_stop->setIcon(QIcon(icons.pixmap(QStringLiteral("stop.circle.fill"), stopSize, palette().color(QPalette::Text),
                                       devicePixelRatioF())));
    m_stop->setIconSize(QSize(stopSize, stopSize));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(horizontalPadding, 12, horizontalPadding, 12);
    bar->setSpacing(10);
    bar->addWidget(sparkle, 0, Qt::AlignVCenter);
    bar->addWidget(m_field, 1);
    bar->addWidget(m_stop, 0, Qt::AlignVCenter);

    m_divider->setFrameShape(QFrame::HLine);
    m_divider->setFrameShadow(QFrame::Plain);
    m_divider->setForegroundRole(QPalette::Mid);

    auto *conversationBox = new QVBoxLayout;
    conversationBox->setContentsMargins(horizontalPadding, 10, horizontalPadding, 14);
    conversationBox->addWidget(m_conversation);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(m_divider);
    column->addLayout(conversationBox);
    column->addStretch(1);

    connect(m_field, &AskQuestionField::submitted, this, &AskView::submit);
    connect(m_stop, &QToolButton::clicked, &chat, &AskChat::stop);
    connect(m_conversation, &AskConversation::openSettingsRequested, this, &AskView::openSettingsRequested);
    connect(&chat, &AskChat::stateChanged, this, &AskView::showState);
    connect(&chat, &AskChat::messagesChanged, this, &AskView::showState);
    showState();
}

void AskView::submit()
{
    if (m_chat.isResponding() || m_chat.isFull() || m_field->question().trimmed().isEmpty())
        return;
    m_chat.send(m_field->question());
    m_field->clear();
}

void AskView::showState()
{
    m_stop->setVisible(m_chat.isResponding());
    m_field->setEnabled(!m_chat.isFull());
    const bool content = m_conversation->hasContent();
    m_divider->setVisible(content);
    m_conversation->setVisible(content);
}

int AskView::naturalHeight() const
{
    const QLayout *column = layout();
    return column->hasHeightForWidth() ? column->heightForWidth(width) : column->sizeHint().height();
}

bool AskView::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        reportHeight();
    return handled;
}

void AskView::reportHeight()
{
    const int height = naturalHeight();
    if (height == m_reportedHeight)
        return;
    m_reportedHeight = height;
    Q_EMIT heightChanged(height);
}

void AskView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    reportHeight();
    if (m_focusScheduled)
        return;
    m_focusScheduled = true;
    const QPointer<AskQuestionField> field(m_field);
    QTimer::singleShot(focusDelayMilliseconds, this, [field] {
        if (field)
            field->setFocus(Qt::OtherFocusReason);
    });
}
