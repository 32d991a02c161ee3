#include "platform/wayland/windowreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Coordinates beyond this are no desktop's.
constexpr double coordinateLimit = 1 << 20;

std::optional<int> coordinate(const QJsonValue &value, double low = -coordinateLimit)
{
    if (!value.isDouble())
        return std::nullopt;
    const double v = value.toDouble();
    if (!(v >= low && v <= coordinateLimit))
        return std::nullopt;
    return int(v);
}

std::optional<WindowReport::Window> window(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    const QJsonValue pid = o.value(u"pid");
    const std::optional<int> x = coordinate(o.value(u"x")), y = coordinate(o.value(u"y"));
    const std::optional<int> width = coordinate(o.value(u"width"), 0), height = coordinate(o.value(u"height"), 0);
    if (!o.value(u"desktopFile").isString() || !o.value(u"resourceClass").isString() || !pid.isDouble()
        || pid.toDouble() < 0 || pid.toDouble() > double(1 << 30) || !x || !y || !width || !height)
        return std::nullopt;
    WindowReport::Window w;
    w.desktopFile = o.value(u"desktopFile").toString();
    w.resourceClass = o.value(u"resourceClass").toString();
    w.pid = qint64(pid.toDouble());
    w.area = QRect(*x, *y, *width, *height);
    return w;
}
} // namespace

std::optional<WindowReport> WindowReport::parse(const QByteArray &json)
{
    if (json.size() > maxSize)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    WindowReport report;
    if (const QJsonValue active = o.value(u"active"); !active.isNull()) {
        report.active = window(active);
        if (!report.active)
            return std::nullopt;
    }
    if (!o.value(u"windows").isArray())
        return std::nullopt;
    for (const QJsonValue &value : o.value(u"windows").toArray()) {
        // One odd window does not hide the others.
        if (const std::optional<Window> w = window(value))
            report.windows.append(*w);
    }
    const QJsonObject cursor = o.value(u"cursor").toObject();
    if (const std::optional<int> x = coordinate(cursor.value(u"x")), y = coordinate(cursor.value(u"y")); x && y)
        report.cursor = QPoint(*x, *y);
    return report;
}
