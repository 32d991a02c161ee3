#pragma once

#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace TestSupport {
class RingleProcess;

// Where the running app's Action Wheel tab says its controls, rows, menu items and picker symbols
// are ("<kind> <name> X Y"), and real pointer clicks and typing on them.
class SettingsProbe {
public:
    explicit SettingsProbe(RingleProcess &ringle);

    // Reads the positions reported up to the next line containing `end` (within the timeout).
    bool waitFor(const QString &end, int timeoutMs = 10000);
    std::optional<QPoint> at(const QString &kind, const QString &name) const;

    // Clicks a control, row or symbol as reported last.
    bool click(const QString &kind, const QString &name);
    bool clickControl(const QString &name) { return click(QStringLiteral("control"), name); }
    // Opens a control's menu and follows `path` through its submenus to the item to click.
    bool pick(const QString &control, const QStringList &path);
    // Clicks a field, then types over what it holds.
    bool typeInto(const QString &control, const QString &text);

private:
    void parse(const QString &line);

    RingleProcess &m_ringle;
    QHash<QString, QPoint> m_points;
};

bool moveTo(QPoint p);
bool click(QPoint p, int button = 1);
bool type(const QString &text);
} // namespace TestSupport
