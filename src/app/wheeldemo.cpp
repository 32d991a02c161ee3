#include "app/wheeldemo.h"

#include "actions/controllerstatus.h"
#include "app/desktopparts.h"
#include "platform/userdefaults.h"

#include <QApplication>

namespace {
QString point(QPointF p)
{
    return QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}
} // namespace

namespace WheelDemo {
int run(DesktopBackend::Kind backend, UserDefaults &defaults, QTextStream &out)
{
    QString why;
    std::unique_ptr<DesktopBackend> platform = DesktopBackend::create(backend, &why);
    if (!platform) {
        out << QCoreApplication::translate("WheelDemo", "ringle: --demo-wheel cannot start: %1").arg(why) << '\n';
        out.flush();
        return 1;
    }
    ControllerStatus status;
    DesktopParts desktop(defaults, status, std::move(platform));
    ActionWheel &wheel = desktop.core.wheel;
    MouseWheelTrigger &trigger = desktop.core.mouseTrigger;
    // Ring switches made by scrolling; opening on the first ring is not one.
    bool scrolling = false;
    QObject::connect(&wheel.model(), &WheelModel::tabIndexChanged, &wheel, [&] {
        if (!scrolling)
            return;
        out << "ring " << wheel.model().tabIndex() << ' ' << wheel.model().currentTab().displayTitle() << '\n';
        out.flush();
    });

    QObject::connect(&trigger, &MouseWheelTrigger::began, [&](QPointF p) {
        wheel.open(p);
        scrolling = true;
        trigger.setCapturesScroll(true);
        out << "open " << point(p) << '\n';
        out.flush();
    });
    QObject::connect(&trigger, &MouseWheelTrigger::moved, [&](QPointF p) {
        if (wheel.isOpen())
            wheel.select(p);
    });
    QObject::connect(&trigger, &MouseWheelTrigger::ended, [&](std::optional<QPointF> p) {
        scrolling = false;
        trigger.setCapturesScroll(false);
        if (p)
            wheel.select(*p);
        const std::optional<int> slot = wheel.model().selectedSlot();
        const WheelSlot item = wheel.close(p);
        if (item && slot)
            out << "chosen slot " << *slot << ' ' << desktop.core.display.title(*item) << '\n';
        else
            out << "chosen none\n";
        out.flush();
    });
    QObject::connect(&trigger, &MouseWheelTrigger::scrolled,
                     [&](const ScrollInput &input) { wheel.scroll(input); });
    trigger.start();

    out << "ready: " << WheelMouseSettings::current(defaults).instruction() << '\n';
    out.flush();
    return QApplication::exec();
}
} // namespace WheelDemo
