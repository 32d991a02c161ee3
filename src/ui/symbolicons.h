#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

class QPainter;

// Draws stored symbol names with the bundled icon set, tinted, cached per name, size and colour.
class SymbolIcons final {
public:
    // A size × size pixmap (in logical pixels) for the device pixel ratio; the fallback shape for
    // unknown names.
    QPixmap pixmap(const QString &symbol, int size, const QColor &color, qreal devicePixelRatio = 1.0);
    void paint(QPainter &painter, const QRectF &rect, const QString &symbol, const QColor &color);

private:
    QByteArray svgData(const QString &iconName);

    QHash<QString, QByteArray> m_svg;
    QHash<QString, QPixmap> m_pixmaps;
};
