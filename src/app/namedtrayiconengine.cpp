#include "app/namedtrayiconengine.h"

#include <QPainter>

NamedTrayIconEngine::NamedTrayIconEngine(QIcon drawn, QString name)
    : m_drawn(std::move(drawn))
    , m_name(std::move(name))
{
}

void NamedTrayIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    m_drawn.paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap NamedTrayIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return m_drawn.pixmap(size, mode, state);
}

QSize NamedTrayIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return m_drawn.actualSize(size, mode, state);
}

QList<QSize> NamedTrayIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return m_drawn.availableSizes(mode, state);
}

QIcon NamedTrayIconEngine::icon(const QIcon &drawn, const QString &themeName)
{
    // A name the tray cannot find would leave it with nothing to show; only name what is installed.
    if (!QIcon::hasThemeIcon(themeName))
        return drawn;
    return QIcon(new NamedTrayIconEngine(drawn, themeName));
}
