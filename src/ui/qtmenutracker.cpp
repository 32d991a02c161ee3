#include "ui/qtmenutracker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

QtMenuTracker::QtMenuTracker(QObject *parent)
    : MenuTracker(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

QtMenuTracker::~QtMenuTracker()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool QtMenuTracker::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && qobject_cast<QMenu *>(watched))
        setOpen(watched, type == QEvent::Show);
    return false;
}

void QtMenuTracker::setOpen(QObject *menu, bool open)
{
    const bool wasOpen = isMenuOpen();
    if (open && !m_openMenus.contains(menu)) {
        m_openMenus.insert(menu);
        connect(menu, &QObject::destroyed, this, [this, menu] { setOpen(menu, false); });
    } else if (!open && m_openMenus.remove(menu)) {
        disconnect(menu, &QObject::destroyed, this, nullptr);
    }
    if (isMenuOpen() != wasOpen)
        Q_EMIT menuOpenChanged(isMenuOpen());
}
