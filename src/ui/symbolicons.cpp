#include "ui/symbolicons.h"

#include "ui/symbolmap.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

QByteArray SymbolIcons::svgData(const QString &iconName)
{
    auto it = m_svg.constFind(iconName);
    if (it != m_svg.cend())
        return *it;
    QFile file(QStringLiteral(":/symbols/%1.svg").arg(iconName));
    QByteArray data;
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    m_svg.insert(iconName, data);
    return data;
}

QPixmap SymbolIcons::pixmap(const QString &symbol, int size, const QColor &color, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(symbol).arg(size).arg(color.rgba()).arg(devicePixelRatio);
    auto cached = m_pixmaps.constFind(key);
    if (cached != m_pixmaps.cend())
        return *cached;

    QByteArray svg = svgData(SymbolMap::iconName(symbol));
    if (svg.isEmpty())
        svg = svgData(QString::fromLatin1(SymbolMap::fallbackIcon));
    // The icons stroke in "currentColor"; opacity is applied by the painter, not the stroke.
    svg.replace("currentColor", color.name(QColor::HexRgb).toLatin1());

    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(color.alphaF());
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    m_pixmaps.insert(key, pixmap);
    return pixmap;
}

void SymbolIcons::paint(QPainter &painter, const QRectF &rect, const QString &symbol, const QColor &color)
{
    const int size = qRound(qMin(rect.width(), rect.height()));
    const QPixmap icon = pixmap(symbol, size, color, painter.device() ? painter.device()->devicePixelRatioF() : 1.0);
    painter.drawPixmap(QRectF(rect.center() - QPointF(size / 2.0, size / 2.0), QSizeF(size, size)), icon,
                       QRectF(icon.rect()));
}
