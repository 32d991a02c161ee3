#pragma once

#include <QHash>
#include <QIcon>
#include <QSet>
#include <QString>
#include <QCoroTask>

class Workspace;

// The icons of the applications that open addresses other than web addresses ("mailto:", an
// application's own scheme), by scheme. The desktop is asked once per scheme, in the background;
// icon() only reads what is known, so drawing never starts a process.
class SchemeAppIcons final {
public:
    explicit SchemeAppIcons(Workspace &workspace);

    // The icon of the application for this address's scheme, or a null icon (unknown yet or none).
    QIcon icon(const QString &address) const;
    // Asks the desktop which application opens this address's scheme, unless it was asked before.
    QCoro::Task<void> lookUp(QString address);

private:
    Workspace &m_workspace;
    QSet<QString> m_asked;
    QHash<QString, QIcon> m_icons;
};
