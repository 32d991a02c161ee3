#include "ui/symbolgrid.h"

#include "ui/symbolicons.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int margin = 8;
constexpr int iconSize = 20;
constexpr int titleGap = 4;
constexpr int groupGap = 12;
constexpr qreal cornerRadius = 6.0;
} // namespace

SymbolGrid::SymbolGrid(SymbolIcons &icons, const QString &selection, QWidget *parent)
    : QWidget(parent)
    , m_icons(icons)
    , m_selection(selection)
{
    setObjectName(QStringLiteral("symbolGrid"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SymbolGrid::setGroups(const QList<SymbolGroup> &groups)
{
    m_groups = groups;
    m_hovered.clear();
    layOut();
    updateGeometry();
    resize(width(), m_height);
    update();
}

void SymbolGrid::layOut()
{
    QFont caption = font();
    caption.setWeight(QFont::DemiBold);
    const int titleHeight = QFontMetrics(caption).height();
    m_titles.clear();
    m_cells.clear();
    int y = margin;
    for (const SymbolGroup &group : std::as_const(m_groups)) {
        m_titles.append(Title{group.title, QRect(margin, y, columns * (cellSize + spacing), titleHeight)});
        y += titleHeight + titleGap;
        for (qsizetype i = 0; i < group.symbols.size(); ++i) {
            const int column = int(i % columns);
            const int row = int(i / columns);
            m_cells.append(Cell{group.symbols.at(i), QRect(margin + column * (cellSize + spacing),
                                                           y + row * (cellSize + spacing), cellSize, cellSize)});
        }
        const int rows = int((group.symbols.size() + columns - 1) / columns);
        y += rows * cellSize + qMax(0, rows - 1) * spacing + groupGap;
    }
    m_height = y - groupGap + margin;
}

QSize SymbolGrid::sizeHint() const
{
    return QSize(2 * margin + columns * cellSize + (columns - 1) * spacing, m_height);
}

QRect SymbolGrid::cellRect(const QString &symbol) const
{
    for (const Cell &cell : m_cells) {
        if (cell.symbol == symbol)
            return cell.rect;
    }
    return {};
}

QString SymbolGrid::symbolAt(QPoint point) const
{
    for (const Cell &cell : m_cells) {
        if (cell.rect.contains(point))
            return cell.symbol;
    }
    return {};
}

bool SymbolGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString symbol = symbolAt(help->pos());
        if (symbol.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), symbol, this, cellRect(symbol));
        return true;
    }
    return QWidget::event(event);
}

void SymbolGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect exposed = event->rect();
    QFont caption = font();
    caption.setWeight(QFont::DemiBold);
    painter.setFont(caption);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    for (const Title &title : std::as_const(m_titles)) {
        if (title.rect.intersects(exposed))
            painter.drawText(title.rect, Qt::AlignLeft | Qt::AlignVCenter, title.text);
    }
    const QColor text = palette().color(QPalette::WindowText);
    const QColor accent = palette().color(QPalette::Highlight);
    const QColor onAccent = palette().color(QPalette::HighlightedText);
    QColor hover = text;
    hover.setAlphaF(0.1f);
    painter.setPen(Qt::NoPen);
    for (const Cell &cell : std::as_const(m_cells)) {
        if (!cell.rect.intersects(exposed))
            continue;
        const bool selected = cell.symbol == m_selection;
        if (selected || cell.symbol == m_hovered) {
            painter.setBrush(selected ? accent : hover);
            painter.drawRoundedRect(QRectF(cell.rect), cornerRadius, cornerRadius);
        }
        const QRect icon(cell.rect.center() - QPoint(iconSize / 2 - 1, iconSize / 2 - 1), QSize(iconSize, iconSize));
        m_icons.paint(painter, QRectF(icon), cell.symbol, selected ? onAccent : text);
    }
}

void SymbolGrid::setHovered(const QString &symbol)
{
    if (symbol == m_hovered)
        return;
    const QRect before = cellRect(m_hovered);
    m_hovered = symbol;
    update(before);
    update(cellRect(m_hovered));
    setCursor(symbol.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void SymbolGrid::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(symbolAt(event->position().toPoint()));
}

void SymbolGrid::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    setHovered(QString());
}

void SymbolGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QString symbol = symbolAt(event->position().toPoint());
    if (symbol.isEmpty())
        return;
    m_selection = symbol;
    update();
    Q_EMIT picked(symbol);
}
