#include "ui/askpanel.h"

#include "ui/askview.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLoggingCategory>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QWindow>

namespace {
QPainterPath outline(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, AskPanel::cornerRadius, AskPanel::cornerRadius);
    return path;
}
} // namespace

AskPanel::AskPanel(AskView *view, std::function<bool()> compositing, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_view(view)
    , m_compositing(std::move(compositing))
{
    setObjectName(QStringLiteral("ringleAskPanel"));
    setWindowTitle(tr("Ask Ringle"));
    setAttribute(Qt::WA_TranslucentBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The panel's height is the Ask window's to set, by its own rule.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(view);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        button->installEventFilter(this);
}

Q_DECLARE_LOGGING_CATEGORY(lcAsk)

bool AskPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Where a button is once it shows, for tests that click it from outside the process.
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) {
        auto *button = static_cast<QWidget *>(watched);
        if (button->isVisible() && isVisible()) {
            const QPoint centre = button->mapToGlobal(button->rect().center());
            qCDebug(lcAsk).noquote() << "button" << button->objectName() << centre.x() << centre.y();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AskPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyShape();
}

void AskPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyShape();
}

void AskPanel::applyShape()
{
    m_composited = m_compositing && m_compositing();
    if (m_composited)
        clearMask();
    else
        setMask(QRegion(outline(rect()).toFillPolygon().toPolygon()));
}

void AskPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QColor surface = palette().color(QPalette::Window);
    surface.setAlphaF(m_composited ? 0.94f : 1.0f);
    QColor edge = palette().color(QPalette::Mid);
    edge.setAlphaF(0.6f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(surface);
    painter.drawPath(outline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
}

void AskPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        onClose();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AskPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // The window manager moves it where it can; otherwise we follow the pointer ourselves.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void AskPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    else
        m_dragOffset.reset();
}

void AskPanel::closeEvent(QCloseEvent *event)
{
    // Closed from outside (the window manager): the Ask window closes properly instead.
    event->ignore();
    onClose();
}
