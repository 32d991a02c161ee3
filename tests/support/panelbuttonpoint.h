#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace TestSupport {
// The screen point of a panel button from the panel's diagnostics line "… button NAME X Y".
inline std::optional<QPoint> buttonPoint(const QString &line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    if (words.size() < 3)
        return std::nullopt;
    bool xOk = false;
    bool yOk = false;
    const QPoint point(words.at(words.size() - 2).toInt(&xOk), words.last().toInt(&yOk));
    return xOk && yOk ? std::optional<QPoint>(point) : std::nullopt;
}
} // namespace TestSupport
