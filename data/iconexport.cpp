// Writes Ringle's application icon into an icon-theme tree at build time, drawn from the tray icon's
// own outline so the two never differ: a scalable SVG and PNGs in the accent colour, and symbolic
// SVGs (idle and the four working frames) that desktops recolour to suit their panel.
#include "ui/trayiconart.h"
#include "ui/ringlecolors.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int pngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

QString number(qreal value) { return QString::number(value, 'f', 4).remove(QRegularExpression("\\.?0+$")); }

QString point(QPointF p) { return number(p.x()) + u' ' + number(p.y()); }

QString pathData(const QPainterPath &path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += u" M"_qs + point(e);
        } else if (e.isLineTo()) {
            d += u" L"_qs + point(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            d += u" C"_qs + point(e) + u' ' + point(path.elementAt(i + 1)) + u' ' + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return d.trimmed() + u" Z"_qs;
}

// Segment alphas follow the tray icon: the highlighted segment (or all) full, the others faint.
QString svg(int highlighted, const QString &fill, bool symbolic)
{
    QString text = u"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 18 18\">\n"_qs
                       .arg(symbolic ? 16 : 128);
    if (symbolic)
        text += u"<style id=\"current-color-scheme\" type=\"text/css\">.ColorScheme-Text { color:#232629; }</style>\n"_qs;
    for (int segment = 0; segment < TrayIconArt::segmentCount; ++segment) {
        const bool strong = highlighted == TrayIconArt::allSegments || highlighted == segment;
        text += u"<path"_qs + (symbolic ? u" class=\"ColorScheme-Text\""_qs : QString()) + u" fill=\""_qs + fill + u'"';
        if (!strong)
            text += u" fill-opacity=\""_qs + number(TrayIconArt::dimmedAlpha) + u'"';
        text += u" d=\""_qs + pathData(TrayIconArt::segmentPath(segment)) + u"\"/>\n"_qs;
    }
    return text + u"</svg>\n"_qs;
}

bool write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size())
        return true;
    std::fprintf(stderr, "iconexport: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: iconexport ICON-NAME OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QColor accent = RingleColors::orange();
    bool ok = write(out + u"/scalable/apps/"_qs + name + u".svg"_qs,
                    svg(TrayIconArt::allSegments, accent.name(), false).toUtf8());
    ok = write(out + u"/symbolic/apps/"_qs + name + u"-symbolic.svg"_qs,
               svg(TrayIconArt::allSegments, u"currentColor"_qs, true).toUtf8()) && ok;
    for (int frame = 0; frame < TrayIconArt::segmentCount; ++frame)
        ok = write(out + u"/symbolic/apps/%1-working%2-symbolic.svg"_qs.arg(name).arg(frame),
                   svg(frame, u"currentColor"_qs, true).toUtf8()) && ok;
    for (int size : pngSizes) {
        const QString path = out + u"/%1x%1/apps/"_qs.arg(size) + name + u".png"_qs;
        QDir().mkpath(path.section(u'/', 0, -2));
        if (!TrayIconArt::image(TrayIconArt::allSegments, size, accent).save(path, "PNG")) {
            std::fprintf(stderr, "iconexport: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
