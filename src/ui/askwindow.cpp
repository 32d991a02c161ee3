#include "ui/askwindow.h"

#include "platform/screencoordinates.h"
#include "platform/windowsystem.h"
#include "ui/askpanel.h"
#include "ui/askplacement.h"
#include "ui/askview.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QTimer>
#include <QtMath>

// What the panel shows and where its buttons are, for tests that drive the running app.
Q_LOGGING_CATEGORY(lcAsk, "ringle.ask", QtInfoMsg)

namespace {
constexpr qreal heightTolerance = 0.5;

QRectF primaryScreenGeometry()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}
} // namespace

AskWindow::AskWindow(Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
}

AskWindow::~AskWindow()
{
    // At quit no event loop is left to delete it later.
    const QPointer<AskPanel> panel = m_panel;
    close();
    delete panel.data();
}

bool AskWindow::isAnswering() const
{
    return m_chat && m_chat->isResponding();
}

void AskWindow::open(std::optional<QString> context)
{
    close();
    const bool quoted = context.has_value();
    auto *chat = new AskChat(m_parts.models, std::move(context));
    auto *view = new AskView(*chat);
    auto *panel = new AskPanel(view, [&windows = m_parts.windows] { return windows.isCompositing(); });
    // The chat belongs to its panel, so that nothing the panel still shows outlives it.
    chat->setParent(panel);
    m_chat = chat;
    m_panel = panel;

    const QPointer<AskWindow> self(this);
    panel->onClose = [self] {
        if (self)
            self->close();
    };
    connect(view, &AskView::openSettingsRequested, this, [this] {
        close();
        if (m_parts.openSettings)
            m_parts.openSettings();
    });
    // A separate step, as the view may report several heights while it lays itself out.
    const QPointer<AskPanel> from(panel);
    connect(view, &AskView::heightChanged, this,
            [this, from](qreal height) { applyHeight(from.data(), height); }, Qt::QueuedConnection);

    const auto logState = [chat] {
        const QString last = chat->messages().isEmpty() ? QString() : chat->messages().last().text;
        qCDebug(lcAsk).noquote() << (chat->isResponding() ? "answering" : "idle") << "messages"
                                 << chat->messages().size() << "last" << last.size() << "error"
                                 << chat->error().value_or(QStringLiteral("none"));
    };
    connect(chat, &AskChat::stateChanged, this, logState);
    connect(chat, &AskChat::messagesChanged, this,
            [chat] { qCDebug(lcAsk) << "messages" << chat->messages().size(); });

    const QRectF frame = ScreenCoordinates::fromYUp(
        AskPlacement::initialFrame(m_parts.screens.screens(), m_parts.screens.mainScreen(),
                                   m_parts.screens.pointerLocation()),
        primaryScreenGeometry());
    if (m_parts.present)
        m_parts.present(*panel);
    panel->setGeometry(frame.toRect());
    panel->winId();
    m_parts.windows.showOnAllDesktops(panel->winId());
    panel->show();
    panel->raise();
    panel->activateWindow();
    qCDebug(lcAsk).noquote() << "opened" << (quoted ? QStringLiteral("with a quote") : QStringLiteral("without a quote"))
                             << "at" << panel->x() << panel->y();
    logState();
}

void AskWindow::close()
{
    // Forgotten first, so that the panel's own close request finds nothing more to close.
    const QPointer<AskPanel> panel = std::exchange(m_panel, nullptr);
    if (!panel)
        return;
    if (m_chat)
        m_chat->stop();
    m_chat = nullptr;
    panel->onClose = [] {};
    panel->hide();
    // Later: the close may come from one of the panel's own event handlers.
    panel->deleteLater();
    qCDebug(lcAsk) << "closed";
}

void AskWindow::applyHeight(AskPanel *from, qreal height)
{
    // A report from a panel that has since closed or been replaced changes nothing.
    if (!from || from != m_panel)
        return;
    const QRect frame = from->geometry();
    if (qAbs(height - frame.height()) <= heightTolerance)
        return;
    // The top edge stays; the panel grows or shrinks downward.
    from->setGeometry(frame.x(), frame.y(), frame.width(), qCeil(height));
    qCDebug(lcAsk) << "height" << qCeil(height);
}
