#include "app/doctor.h"

#include "ai/localmodelclient.h"
#include "app/desktopcheck.h"
#include "app/desktopbackend.h"

#include <QCoreApplication>
#include <QCoroTask>
#include <QTimer>

#include <optional>

namespace Doctor {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("Doctor", text);
}

QCoro::Task<void> check(DesktopBackend &backend, UserDefaults &defaults, QTextStream &out, int &code)
{
    LocalModelClient models;
    const Platform platform = backend.platform();
    const QList<DesktopCapability> lines =
        co_await DesktopCheck::run(backend, platform.accessibilitySwitch, models, defaults);
    out << report(backend.name(), lines);
    out.flush();
    code = DesktopCheck::roadWorks(lines) ? 0 : 1;
    QCoreApplication::exit(code);
}
} // namespace

QString report(const QString &desktop, const QList<DesktopCapability> &lines)
{
    QString text = tr("Ringle on %1:\n").arg(desktop);
    qsizetype width = 0;
    for (const DesktopCapability &line : lines)
        width = std::max(width, DesktopCapability::title(line.kind).size());
    for (const DesktopCapability &line : lines) {
        const QString state = line.works ? tr("works") : tr("missing");
        text += u"  "_qs + DesktopCapability::title(line.kind).leftJustified(width) + u"  "_qs + state + u": "_qs
            + line.how + u'\n';
        if (!line.todo.isEmpty())
            text += u"  "_qs + QString(width, u' ') + u"  "_qs + tr("to do: %1").arg(line.todo) + u'\n';
    }
    text += DesktopCheck::roadWorks(lines) ? tr("The wheel, the clipboard and the keys work here.\n")
                                           : tr("Something Ringle needs does not work here; see above.\n");
    return text;
}

int run(DesktopBackend::Kind kind, UserDefaults &defaults, QTextStream &out)
{
    QString why;
    std::unique_ptr<DesktopBackend> backend = DesktopBackend::create(kind, &why);
    if (!backend) {
        out << tr("Ringle cannot start: %1.\n").arg(why);
        out.flush();
        return 1;
    }
    int code = 1;
    std::optional<QCoro::Task<void>> task;
    // Started inside the loop, so its end can end the loop even when it needs no wait.
    QTimer::singleShot(0, [&] { task.emplace(check(*backend, defaults, out, code)); });
    QCoreApplication::exec();
    return code;
}
} // namespace Doctor
