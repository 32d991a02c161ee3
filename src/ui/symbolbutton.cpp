#include "ui/symbolbutton.h"

#include "ui/editoricons.h"
#include "ui/symbolpicker.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int symbolSize = 20;
}

SymbolButton::SymbolButton(SymbolIcons &icons, const QString &symbol, QWidget *parent)
    : QToolButton(parent)
    , m_icons(icons)
{
    setObjectName(QStringLiteral("symbolButton"));
    setToolTip(tr("Choose a symbol"));
    setIconSize(QSize(symbolSize, symbolSize));
    setMinimumSize(symbolSize + 16, symbolSize + 12);
    setSymbol(symbol);
    connect(this, &QToolButton::clicked, this, &SymbolButton::openPicker);
}

void SymbolButton::setSymbol(const QString &symbol)
{
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    setIcon(EditorIcons::symbol(m_icons, symbol, *this, symbolSize));
}

SymbolPicker *SymbolButton::openPicker()
{
    if (m_picker)
        return m_picker;
    m_picker = new SymbolPicker(m_icons, m_symbol, this);
    connect(m_picker, &SymbolPicker::picked, this, &SymbolButton::setSymbol);
    m_picker->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(qBound(area.left(), at.x(), area.right() - m_picker->width()));
        if (at.y() + m_picker->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_picker->height());
    }
    m_picker->move(at);
    m_picker->show();
    return m_picker;
}

SymbolPicker *SymbolButton::picker() const
{
    return m_picker;
}
