#pragma once

#include "ai/localmodelclient.h"
#include "ai/modelprovider.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <optional>

class UserDefaults;

// Linux has no on-device model, so a first start with no model chosen looks for a local model
// server at the usual addresses (Ollama's, then LM Studio's) and stores the first that answers,
// with its first model. A provider stored by anyone, before or meanwhile, is never changed.
class FirstRunProbe final : public QObject {
    Q_OBJECT
public:
    struct Candidate {
        ModelProvider provider;
        QUrl server;
    };
    // Each address gets this long to list its models.
    static constexpr std::chrono::milliseconds timeout{1500};

    static QList<Candidate> usualServers();
    // True while "modelProvider" was never stored.
    static bool isNeeded(const UserDefaults &defaults);

    explicit FirstRunProbe(UserDefaults &defaults, QList<Candidate> candidates = usualServers(),
                           QObject *parent = nullptr);

    // Looks once, after the current event has been handled; finished() tells the outcome. Does
    // nothing but report when a provider is stored already.
    void start();

Q_SIGNALS:
    // The provider stored, or none when no server answered or a provider was stored meanwhile.
    void finished(std::optional<ModelProvider> stored);

private:
    QCoro::Task<void> run();

    UserDefaults &m_defaults;
    QList<Candidate> m_candidates;
    LocalModelClient m_client;
};
