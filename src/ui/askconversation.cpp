#include "ui/askconversation.h"

#include "ai/askchat.h"
#include "ui/askmessageviews.h"
#include "ui/askquote.h"
#include "ui/inlinemarkdown.h"
#include "ui/symbolicons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int symbolSize = 16;
constexpr int spacing = 12;

QLabel *symbol(const QString &name, const QColor &color)
{
    SymbolIcons icons;
    auto *label = new QLabel;
    label->setPixmap(icons.pixmap(name, symbolSize, color, label->devicePixelRatioF()));
    label->setAlignment(Qt::AlignTop);
    return label;
}

QLabel *wrappingLabel()
{
    auto *label = new QLabel;
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPixelSize(13);
    label->setFont(font);
    return label;
}
} // namespace

AskConversation::AskConversation(AskChat &chat, QWidget *parent)
    : QScrollArea(parent)
    , m_chat(chat)
    , m_content(new QWidget)
    , m_column(new QVBoxLayout(m_content))
{
    setObjectName(QStringLiteral("conversation"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(spacing);
    if (const std::optional<QString> &context = chat.context()) {
        m_quote = new AskQuote(*context);
        m_column->addWidget(m_quote);
    }
    m_column->addWidget(errorRow());
    m_column->addWidget(noticeRow());
    setWidget(m_content);
    m_content->installEventFilter(this);

    // Every change of the conversation shows its end.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this](int, int maximum) { verticalScrollBar()->setValue(maximum); });
    connect(&chat, &AskChat::messagesChanged, this, &AskConversation::syncMessages);
    connect(&chat, &AskChat::messageTextChanged, this, &AskConversation::showAnswer);
    connect(&chat, &AskChat::stateChanged, this, &AskConversation::showState);
    syncMessages();
}

QWidget *AskConversation::errorRow()
{
    m_error = new QWidget;
    auto *row = new QHBoxLayout(m_error);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(symbol(QStringLiteral("exclamationmark.triangle.fill"), QColor(0xE0, 0x8A, 0x1E)));
    m_errorText = wrappingLabel();
    m_errorText->setObjectName(QStringLiteral("error"));
    m_errorText->setTextFormat(Qt::PlainText);
    row->addWidget(m_errorText, 1);
    m_startOver = new QPushButton(tr("Start Over"));
    m_startOver->setObjectName(QStringLiteral("startOver"));
    m_startOver->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_startOver, 0, Qt::AlignTop);
    connect(m_startOver, &QPushButton::clicked, &m_chat, &AskChat::startOver);
    return m_error;
}

QWidget *AskConversation::noticeRow()
{
    m_notice = new QWidget;
    auto *row = new QHBoxLayout(m_notice);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(symbol(QStringLiteral("info.circle"), palette().color(QPalette::PlaceholderText)));
    m_noticeText = wrappingLabel();
    m_noticeText->setObjectName(QStringLiteral("notice"));
    const QString text = tr("Linux has no on-device model, so Ringle needs a local model server such as Ollama or "
                            "LM Studio. You can connect one in [Settings](ringle-settings:).");
    m_noticeText->setTextFormat(Qt::RichText);
    m_noticeText->setText(InlineMarkdown::toHtml(text).value_or(text.toHtmlEscaped()));
    m_noticeText->setForegroundRole(QPalette::PlaceholderText);
    // Whatever the link says, it means the settings.
    connect(m_noticeText, &QLabel::linkActivated, this, &AskConversation::openSettingsRequested);
    row->addWidget(m_noticeText, 1);
    return m_notice;
}

bool AskConversation::hasContent() const
{
    return m_chat.context() || !m_chat.messages().isEmpty() || m_chat.error()
        || (m_chat.usesOnDeviceModel() && m_chat.messages().isEmpty());
}

AskAnswerView *AskConversation::answerView(int index) const
{
    return index >= 0 && index < m_messageViews.size() ? qobject_cast<AskAnswerView *>(m_messageViews.at(index).second)
                                                        : nullptr;
}

void AskConversation::syncMessages()
{
    const QList<AskChat::Message> &messages = m_chat.messages();
    // Messages are only appended, removed or all cleared: keep the views of those still there.
    QList<std::pair<QUuid, QWidget *>> kept;
    int next = 0;
    for (const auto &[id, view] : std::as_const(m_messageViews)) {
        if (next < messages.size() && messages.at(next).id == id) {
            kept.append({id, view});
            ++next;
        } else {
            delete view;
        }
    }
    const int firstMessageRow = m_quote ? 1 : 0;
    for (; next < messages.size(); ++next) {
        const AskChat::Message &message = messages.at(next);
        QWidget *view = nullptr;
        if (message.fromUser) {
            view = new AskQuestionBubble(message.text);
        } else {
            auto *answer = new AskAnswerView;
            answer->setText(message.text);
            view = answer;
        }
        m_column->insertWidget(firstMessageRow + next, view);
        kept.append({message.id, view});
    }
    m_messageViews = kept;
    showState();
}

void AskConversation::showAnswer(int index)
{
    if (AskAnswerView *view = answerView(index))
        view->setText(m_chat.messages().at(index).text);
}

void AskConversation::showState()
{
    m_errorText->setText(m_chat.error().value_or(QString()));
    m_error->setVisible(m_chat.error().has_value());
    m_notice->setVisible(m_chat.usesOnDeviceModel() && m_chat.messages().isEmpty());
    fitHeight();
}

int AskConversation::contentHeight() const
{
    const int width = viewport()->width();
    return m_content->hasHeightForWidth() ? m_content->heightForWidth(width) : m_content->sizeHint().height();
}

void AskConversation::fitHeight()
{
    const int height = std::min(contentHeight(), maximumHeight);
    if (height != this->height())
        setFixedHeight(height);
}

void AskConversation::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitHeight();
}

bool AskConversation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::LayoutRequest)
        fitHeight();
    return QScrollArea::eventFilter(watched, event);
}
