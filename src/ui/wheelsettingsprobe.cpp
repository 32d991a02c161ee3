#include "ui/wheelsettingsprobe.h"

#include "ui/symbolgrid.h"
#include "ui/symbolpicker.h"

#include <QApplication>
#include <QDialog>
#include <QLoggingCategory>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

namespace {
Q_LOGGING_CATEGORY(lcWheelSettings, "ringle.settings.wheel", QtInfoMsg)

bool belongsTo(const QObject *object, const QObject *ancestor)
{
    for (; object; object = object->parent()) {
        if (object == ancestor)
            return true;
    }
    return false;
}

void report(const char *kind, const QString &name, QPoint global)
{
    qCDebug(lcWheelSettings).noquote() << kind << name << global.x() << global.y();
}
} // namespace

WheelSettingsProbe::WheelSettingsProbe(QWidget &view)
    : QObject(&view)
    , m_view(view)
{
    if (!lcWheelSettings().isDebugEnabled())
        return;
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &WheelSettingsProbe::reportControls);
    qApp->installEventFilter(this);
}

void WheelSettingsProbe::schedule()
{
    if (m_timer)
        m_timer->start();
}

bool WheelSettingsProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    // A sheet or the symbol picker, opened or closed: its controls are the tab's too.
    if (auto *window = qobject_cast<QWidget *>(watched); window && window->isWindow() && !qobject_cast<QMenu *>(window)
        && belongsTo(window, &m_view)) {
        if (auto *picker = qobject_cast<SymbolPicker *>(window))
            connect(picker, &SymbolPicker::searched, this, &WheelSettingsProbe::schedule, Qt::UniqueConnection);
        schedule();
        return false;
    }
    auto *menu = qobject_cast<QMenu *>(watched);
    if (event->type() != QEvent::Show || !menu || !belongsTo(menu, &m_view))
        return false;
    QTimer::singleShot(100, menu, [menu] {
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible())
                report("menu item", action->text(), menu->mapToGlobal(menu->actionGeometry(action).center()));
        }
        qCDebug(lcWheelSettings) << "menu end";
    });
    return false;
}

void WheelSettingsProbe::reportControls()
{
    if (!m_view.isVisible())
        return;
    for (const QWidget *widget : m_view.findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && widget->isVisible())
            report("control", widget->objectName(), widget->mapToGlobal(widget->rect().center()));
    }
    if (const auto *sidebar = m_view.findChild<QTreeWidget *>()) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(sidebar)); *it; ++it) {
            const QRect row = sidebar->visualItemRect(*it);
            report("row", (*it)->text(0), sidebar->viewport()->mapToGlobal(row.center()));
        }
    }
    // The symbols the open picker shows without scrolling.
    for (const SymbolPicker *picker : m_view.findChildren<SymbolPicker *>()) {
        if (!picker->isVisible())
            continue;
        const SymbolGrid *grid = picker->grid();
        const QRect shown = grid->visibleRegion().boundingRect();
        for (const SymbolGroup &group : grid->groups()) {
            for (const QString &symbol : group.symbols) {
                const QRect cell = grid->cellRect(symbol);
                if (shown.contains(cell))
                    report("symbol", symbol, grid->mapToGlobal(cell.center()));
            }
        }
    }
    qCDebug(lcWheelSettings) << "controls end";
}
