#include "app/desktopcheck.h"

#include "ai/localmodelclient.h"
#include "ai/localmodelconfig.h"
#include "app/desktopbackend.h"
#include "base/ringleerror.h"
#include "platform/accessibilityswitch.h"
#include "platform/linux/atspibus.h"

#include <QCoreApplication>

namespace DesktopCheck {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("DesktopCheck", text);
}

QCoro::Task<DesktopCapability> modelServer(LocalModelClient &models, const UserDefaults &defaults)
{
    using Kind = DesktopCapability::Kind;
    const std::optional<LocalModelConfig> config = LocalModelConfig::current(defaults);
    if (!config) {
        co_return DesktopCapability{Kind::modelServer, false, tr("the on-device model is chosen, and Linux has none"),
                                    tr("Choose a model server under Settings → General → Model.")};
    }
    const QString server = config->server.toDisplayString();
    try {
        const QStringList listed = co_await models.models(config->server, ModelProviders::serverName(config->provider));
        if (config->model.isEmpty() || !listed.contains(config->model)) {
            co_return DesktopCapability{Kind::modelServer, false,
                                        QCoreApplication::translate("DesktopCheck",
                                                                    "%1 answers, but the chosen model is not one of its %n models",
                                                                    nullptr, int(listed.size()))
                                            .arg(server),
                                        tr("Choose one of its models under Settings → General → Model.")};
        }
        co_return DesktopCapability{Kind::modelServer, true, tr("%1 with %2").arg(server, config->model), {}};
    } catch (const RingleError &e) {
        co_return DesktopCapability{Kind::modelServer, false, e.errorDescription(),
                                    tr("Start the model server, or choose another under Settings → General → Model.")};
    }
}
} // namespace

QCoro::Task<QList<DesktopCapability>> run(DesktopBackend &backend, AccessibilitySwitch &accessibility,
                                          LocalModelClient &models, const UserDefaults &defaults)
{
    QList<DesktopCapability> lines = backend.capabilities();
    const AccessibilityStatus::State state = co_await accessibility.state();
    const bool available = state == AccessibilityStatus::State::available;
    lines.append({DesktopCapability::Kind::accessibility, available,
                  available ? tr("the accessibility bus answers") : tr("the selection and the caret cannot be read"),
                  AtspiBus::explanation(state)});
    lines.append(co_await modelServer(models, defaults));
    co_return lines;
}

bool roadWorks(const QList<DesktopCapability> &lines)
{
    return std::all_of(lines.cbegin(), lines.cend(),
                       [](const DesktopCapability &c) { return c.works || !DesktopCapability::isEssential(c.kind); });
}
} // namespace DesktopCheck
