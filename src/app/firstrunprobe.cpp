#include "app/firstrunprobe.h"

#include "app/applogging.h"
#include "ai/localmodelconfig.h"
#include "platform/userdefaults.h"

#include <QPointer>
#include <QTimer>

namespace {
const QString &providerKey = LocalModelConfig::providerKey.name;
const QString &nameKey = LocalModelConfig::nameKey.name;

LocalModelClient::Timeouts probeTimeouts()
{
    LocalModelClient::Timeouts timeouts;
    timeouts.modelList = FirstRunProbe::timeout;
    return timeouts;
}
} // namespace

QList<FirstRunProbe::Candidate> FirstRunProbe::usualServers()
{
    QList<Candidate> servers;
    for (ModelProvider provider : {ModelProvider::ollama, ModelProvider::lmStudio})
        servers.append({provider, *ModelProviders::defaultServer(provider)});
    return servers;
}

bool FirstRunProbe::isNeeded(const UserDefaults &defaults)
{
    return !defaults.value(providerKey).has_value();
}

FirstRunProbe::FirstRunProbe(UserDefaults &defaults, QList<Candidate> candidates, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_candidates(std::move(candidates))
    , m_client(probeTimeouts())
{
}

void FirstRunProbe::start()
{
    QTimer::singleShot(0, this, [this] { run(); });
}

QCoro::Task<void> FirstRunProbe::run()
{
    const QPointer<FirstRunProbe> self(this);
    for (const Candidate &candidate : std::as_const(m_candidates)) {
        if (!isNeeded(m_defaults))
            break;
        QStringList models;
        try {
            models = co_await m_client.models(candidate.server, ModelProviders::serverName(candidate.provider));
        } catch (const std::exception &error) {
            if (!self)
                co_return;
            qCInfo(lcApp).noquote() << "no model server at" << candidate.server.toString() << "-" << error.what();
            continue;
        }
        if (!self)
            co_return;
        if (!isNeeded(m_defaults))
            break;
        m_defaults.setString(providerKey, ModelProviders::rawValue(candidate.provider));
        m_defaults.setString(nameKey, models.value(0));
        qCInfo(lcApp).noquote() << "chose the model server at" << candidate.server.toString() << "with the model"
                                << models.value(0);
        Q_EMIT finished(candidate.provider);
        co_return;
    }
    Q_EMIT finished(std::nullopt);
}
