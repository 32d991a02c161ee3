#include "ui/resultpanelwindow.h"

#include "actions/resultpanelgeometry.h"
#include "platform/screencoordinates.h"
#include "ui/changemarkup.h"
#include "ui/indicatorsymbols.h"
#include "ui/resultbutton.h"
#include "ui/wrappedtext.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>

// Where the buttons are on screen, for tests that click them from outside the process, and when
// each state first reaches the screen, for latency measurements.
Q_LOGGING_CATEGORY(lcPanel, "ringle.resultpanel.window", QtInfoMsg)

namespace {
constexpr int horizontalMargin = 12;
constexpr int verticalMargin = 10;
constexpr int spacing = 8;
constexpr int textPixelSize = 13;

QRectF primaryScreenGeometry()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}

QPainterPath outline(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, ResultPanelGeometry::cornerRadius, ResultPanelGeometry::cornerRadius);
    return path;
}
} // namespace

ResultPanelWindow::ResultPanelWindow(ResultPanelButtons *buttons, QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                  // Unmanaged like a tooltip: no window manager focuses it on a click or moves it.
                  | Qt::X11BypassWindowManagerHint)
    , m_buttons(buttons)
    , m_spinner(new SpinnerView)
    , m_symbol(new IndicatorSymbolView)
    , m_message(new WrappedText)
    , m_statusRow(new QWidget)
    , m_answerArea(new QScrollArea)
    , m_answer(new WrappedText)
    , m_buttonRow(new QWidget)
    , m_note(new QLabel)
    , m_changesSwitch(new ResultButton(tr("Hide Changes")))
    , m_stop(new ResultButton(tr("Stop")))
    , m_copy(new ResultButton(tr("Copy")))
    , m_replace(new ResultButton(tr("Replace")))
    , m_undo(new ResultButton(tr("Undo")))
    , m_fade(new QPropertyAnimation(this, "windowOpacity", this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11NetWmWindowTypeNotification);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("ringleResultPanel"));
    m_copy->setObjectName(QStringLiteral("copy"));
    m_replace->setObjectName(QStringLiteral("replace"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_undo->setObjectName(QStringLiteral("undo"));
    m_changesSwitch->setObjectName(QStringLiteral("changes"));
    setWindowTitle(QStringLiteral("Ringle"));

    QFont textFont = font();
    textFont.setPixelSize(textPixelSize);
    m_message->setFont(textFont);
    m_answer->setFont(textFont);
    QFont noteFont = textFont;
    noteFont.setPixelSize(12);
    m_note->setFont(noteFont);
    m_note->setForegroundRole(QPalette::PlaceholderText);

    auto *statusLayout = new QHBoxLayout(m_statusRow);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(spacing);
    statusLayout->addWidget(m_spinner, 0, Qt::AlignVCenter);
    statusLayout->addWidget(m_symbol, 0, Qt::AlignVCenter);
    statusLayout->addWidget(m_message, 0, Qt::AlignVCenter);
    statusLayout->addWidget(m_undo, 0, Qt::AlignVCenter);

    m_answerArea->setWidget(m_answer);
    m_answerArea->setFrameShape(QFrame::NoFrame);
    m_answerArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answerArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_answerArea->setFocusPolicy(Qt::NoFocus);
    m_answerArea->viewport()->setAutoFillBackground(false);
    m_answer->setAutoFillBackground(false);

    auto *buttonLayout = new QHBoxLayout(m_buttonRow);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(spacing);
    buttonLayout->addWidget(m_changesSwitch);
    buttonLayout->addWidget(m_note);
    buttonLayout->addStretch();
    buttonLayout->addWidget(m_stop);
    buttonLayout->addWidget(m_copy);
    buttonLayout->addWidget(m_replace);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(horizontalMargin, verticalMargin, horizontalMargin, verticalMargin);
    layout->setSpacing(spacing + 2);
    layout->addWidget(m_statusRow);
    layout->addWidget(m_answerArea);
    layout->addWidget(m_buttonRow);
    layout->setSizeConstraint(QLayout::SetNoConstraint);

    if (m_buttons) {
        connect(m_copy, &QAbstractButton::clicked, this, [this] { m_buttons->copyClicked(); });
        connect(m_replace, &QAbstractButton::clicked, this, [this] { m_buttons->replaceClicked(); });
        connect(m_stop, &QAbstractButton::clicked, this, [this] { m_buttons->stopClicked(); });
        connect(m_undo, &QAbstractButton::clicked, this, [this] { m_buttons->undoClicked(); });
    }
    // Only what is shown changes: Copy and Replace keep the clean text.
    connect(m_changesSwitch, &QAbstractButton::clicked, this, &ResultPanelWindow::switchChanges);
    // The native window exists from the start, so input transparency can be switched on it.
    winId();
}

ResultPanelWindow::~ResultPanelWindow() = default;

qreal ResultPanelWindow::answerTextHeight(const ResultPanelState &state)
{
    if (!state.changes || m_shown.changes != state.changes)
        m_showsChanges = true;
    m_shown = state;
    setAnswerText(state);
    return m_answer->heightForWidth(int(ResultPanelGeometry::answerWidth));
}

void ResultPanelWindow::setAnswerText(const ResultPanelState &state)
{
    if (state.changes && m_showsChanges && WordDiff::hasChanges(*state.changes))
        m_answer->setHtml(ChangeMarkup::html(*state.changes, palette()));
    else
        m_answer->setText(state.text);
}

void ResultPanelWindow::fitMessage(const QString &text, int availableWidth)
{
    m_message->setText(text);
    // One line when it fits, wrapped at the available width otherwise.
    const int width = std::min(m_message->naturalWidth(), availableWidth);
    m_message->setFixedWidth(width);
    m_message->setFixedHeight(m_message->heightForWidth(width));
}

void ResultPanelWindow::layOutAnswer(qreal answerHeight, bool keepEnd)
{
    const int width = int(ResultPanelGeometry::answerWidth);
    const bool scrolls = m_answer->heightForWidth(width) + 1 > answerHeight;
    const int textWidth = scrolls ? width - style()->pixelMetric(QStyle::PM_ScrollBarExtent) : width;
    m_answer->setFixedSize(textWidth, m_answer->heightForWidth(textWidth));
    m_answerArea->setFixedSize(width, qCeil(answerHeight));
    QScrollBar *bar = m_answerArea->verticalScrollBar();
    bar->setRange(0, std::max(0, m_answer->height() - qCeil(answerHeight)));
    bar->setValue(keepEnd ? bar->maximum() : 0);
}

void ResultPanelWindow::switchChanges()
{
    m_showsChanges = !m_showsChanges;
    m_changesSwitch->setText(m_showsChanges ? tr("Hide Changes") : tr("Show Changes"));
    setAnswerText(m_shown);
    // The area keeps its height; the other text scrolls in it when longer.
    layOutAnswer(m_answerHeight, false);
}

QSizeF ResultPanelWindow::setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace,
                                        QSizeF proposed)
{
    using Kind = ResultPanelState::Kind;
    const bool answer = state.showsAnswer();
    const bool streaming = state.kind == Kind::streaming;
    const bool result = state.kind == Kind::result;
    if (lcPanel().isDebugEnabled())
        m_unpaintedState = QString::fromLatin1(state.kindName());
    m_statusRow->setVisible(!result);
    m_answerArea->setVisible(answer);
    m_buttonRow->setVisible(answer);
    m_undo->setVisible(state.offersUndo);

    if (answer) {
        if (!(m_shown == state))
            answerTextHeight(state);
        m_answerHeight = answerHeight;
        layOutAnswer(answerHeight, streaming);
        const bool marksChanges = result && state.changes && WordDiff::hasChanges(*state.changes);
        m_changesSwitch->setVisible(marksChanges);
        m_changesSwitch->setText(m_showsChanges ? tr("Hide Changes") : tr("Show Changes"));
        QString note;
        if (result && state.isUnchanged())
            note = tr("No changes.");
        else if (result && state.stopped)
            note = tr("Stopped.");
        m_note->setText(note);
        m_note->setVisible(!note.isEmpty());
        m_stop->setVisible(streaming);
        m_stop->setProminent(false);
        m_copy->setEnabled(result);
        m_replace->setEnabled(result);
        m_replace->setVisible(offersReplace);
        m_replace->setProminent(true);
        // Alone, Copy is the prominent action.
        m_copy->setProminent(!offersReplace);
    }
    if (!result) {
        m_spinner->setVisible(state.kind == Kind::working || streaming);
        m_symbol->setVisible(state.kind != Kind::working && !streaming);
        m_symbol->setSymbol(state.kind == Kind::failed ? IndicatorSymbolView::Symbol::warning
                                                       : IndicatorSymbolView::Symbol::check);
        const QString text = state.kind == Kind::done ? tr("Done") : streaming ? state.title : state.text;
        const int undoWidth = state.offersUndo ? m_undo->sizeHint().width() + spacing : 0;
        fitMessage(text, int(proposed.width()) - 2 * horizontalMargin - m_symbol->width() - spacing - undoWidth);
    }

    // Rows change size while the panel may be hidden, when no layout request gets processed: the
    // fitting size is taken from freshly computed layouts.
    for (QWidget *row : {m_statusRow, m_buttonRow}) {
        row->layout()->invalidate();
        row->updateGeometry();
    }
    layout()->invalidate();
    layout()->activate();
    const QSize hint = layout()->sizeHint();
    return {std::min<qreal>(hint.width(), proposed.width()), std::min<qreal>(hint.height(), proposed.height())};
}

void ResultPanelWindow::setFrame(const QRectF &frame)
{
    const QRect target = ScreenCoordinates::fromYUp(frame, primaryScreenGeometry()).toAlignedRect();
    setGeometry(target);
    applyInputShape();
    if (lcPanel().isDebugEnabled() && layout()) {
        // A shown window takes its new size only when the window system confirms it; lay out for
        // that size now, so the points said are where the buttons will be.
        layout()->setGeometry(QRect(QPoint(), target.size()));
        for (QWidget *row : {m_statusRow, m_buttonRow})
            row->layout()->setGeometry(row->rect());
        for (const ResultButton *button : {m_copy, m_replace, m_stop, m_undo, m_changesSwitch}) {
            if (button->isVisibleTo(this)) {
                const QPoint centre = button->mapTo(this, button->rect().center()) + target.topLeft();
                qCDebug(lcPanel).noquote() << "button" << button->objectName() << centre.x() << centre.y();
            }
        }
    }
}

void ResultPanelWindow::setTakesClicks(bool takesClicks)
{
    m_takesClicks = takesClicks;
    applyInputShape();
}

void ResultPanelWindow::applyInputShape()
{
    // Qt gives a window that takes input again an input region of its size at that moment, which a
    // later resize leaves behind; passing through "transparent" renews it at the current size.
    QWindow *window = windowHandle();
    if (!window)
        return;
    window->setFlag(Qt::WindowTransparentForInput, true);
    if (m_takesClicks)
        window->setFlag(Qt::WindowTransparentForInput, false);
}

bool ResultPanelWindow::isOnScreen() const
{
    return QWidget::isVisible();
}

void ResultPanelWindow::showPanel()
{
    m_fade->stop();
    setWindowOpacity(0);
    show();
    raise();
    applyInputShape();
}

void ResultPanelWindow::hidePanel()
{
    m_fade->stop();
    hide();
}

void ResultPanelWindow::animateOpacity(qreal opacity, std::chrono::milliseconds duration)
{
    m_fade->stop();
    m_fade->setDuration(int(duration.count()));
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(opacity);
    m_fade->start();
}

void ResultPanelWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = palette().color(QPalette::Window);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.22f);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawPath(outline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    if (!m_unpaintedState.isEmpty()) {
        qCDebug(lcPanel).noquote() << "painted" << m_unpaintedState;
        m_unpaintedState.clear();
    }
}

void ResultPanelWindow::resizeEvent(QResizeEvent *event)
{
    setMask(QRegion(outline(QRectF(rect())).toFillPolygon().toPolygon()));
    QWidget::resizeEvent(event);
}
