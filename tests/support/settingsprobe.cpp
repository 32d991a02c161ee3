#include "settingsprobe.h"

#include "ringleprocess.h"
#include "testsupport.h"

#include <QDebug>
#include <QTest>

namespace TestSupport {
SettingsProbe::SettingsProbe(RingleProcess &ringle)
    : m_ringle(ringle)
{
}

bool SettingsProbe::waitFor(const QString &end, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        bool ended = false;
        for (const QString &line : m_ringle.unreadLines()) {
            parse(line);
            ended = ended || line.contains(end);
        }
        return ended;
    }, timeoutMs);
}

std::optional<QPoint> SettingsProbe::at(const QString &kind, const QString &name) const
{
    const auto it = m_points.constFind(kind + QLatin1Char(' ') + name);
    return it == m_points.cend() ? std::nullopt : std::optional<QPoint>(*it);
}

void SettingsProbe::parse(const QString &line)
{
    const QString prefix = QStringLiteral("ringle.settings.wheel: ");
    const qsizetype start = line.indexOf(prefix);
    if (start < 0)
        return;
    QStringList words = line.mid(start + prefix.size()).split(QLatin1Char(' '));
    if (words.size() < 4)
        return;
    bool xOk = false;
    bool yOk = false;
    const int y = words.takeLast().toInt(&yOk);
    const int x = words.takeLast().toInt(&xOk);
    const QString kind = words.first() == QStringLiteral("menu") ? words.mid(0, 2).join(QLatin1Char(' ')) : words.first();
    const QString name = words.mid(kind.count(QLatin1Char(' ')) + 1).join(QLatin1Char(' '));
    if (xOk && yOk)
        m_points.insert(kind + QLatin1Char(' ') + name, QPoint(x, y));
}

bool SettingsProbe::click(const QString &kind, const QString &name)
{
    const std::optional<QPoint> p = at(kind, name);
    if (!p)
        qWarning() << "not reported:" << kind << name;
    return p && TestSupport::click(*p);
}

bool SettingsProbe::pick(const QString &control, const QStringList &path)
{
    if (!clickControl(control))
        return false;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const std::optional<QPoint> item =
            waitFor(QStringLiteral("menu end")) ? at(QStringLiteral("menu item"), path.at(i)) : std::nullopt;
        if (!item) {
            qWarning() << "no menu item" << path.at(i);
            return false;
        }
        if (!(i + 1 < path.size() ? moveTo(*item) : TestSupport::click(*item)))
            return false;
    }
    return waitFor(QStringLiteral("controls end"));
}

bool SettingsProbe::typeInto(const QString &control, const QString &text)
{
    return clickControl(control) && xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")}) && type(text);
}

bool moveTo(QPoint p)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("sleep"),
                    QStringLiteral("0.2")});
}

bool click(QPoint p, int button)
{
    return moveTo(p) && xdotool({QStringLiteral("click"), QString::number(button)});
}

bool type(const QString &text)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}
} // namespace TestSupport
