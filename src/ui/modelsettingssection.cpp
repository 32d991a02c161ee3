#include "ui/modelsettingssection.h"

#include "ai/localmodelclient.h"
#include "ai/localmodelconfig.h"
#include "ai/requestcancelled.h"
#include "platform/userdefaults.h"
#include "ui/statuslabel.h"
#include "ui/symbolicons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <exception>

namespace {
const QString &providerKey = LocalModelConfig::providerKey.name;
const QString &serverKey = LocalModelConfig::serverKey.name;
const QString &nameKey = LocalModelConfig::nameKey.name;

QStringList items(const QComboBox &picker)
{
    QStringList texts;
    for (int i = 0; i < picker.count(); ++i)
        texts.append(picker.itemText(i));
    return texts;
}
} // namespace

ModelSettingsSection::ModelSettingsSection(UserDefaults &defaults, LocalModelClient &client, QWidget *parent)
    : QWidget(parent)
    , m_defaults(defaults)
    , m_client(client)
    , m_form(new QFormLayout(this))
    , m_provider(new QComboBox(this))
    , m_server(new QLineEdit(this))
    , m_modelRow(new QWidget(this))
    , m_modelName(new QLabel(m_modelRow))
    , m_modelPicker(new QComboBox(m_modelRow))
    , m_refresh(new QToolButton(m_modelRow))
    , m_status(new StatusLabel(this))
    , m_footnote(new QLabel(this))
    , m_reload(new QTimer(this))
{
    m_form->setContentsMargins(0, 0, 0, 0);
    for (ModelProvider provider : ModelProviders::allCases())
        m_provider->addItem(title(provider), ModelProviders::rawValue(provider));
    m_form->addRow(tr("Model"), m_provider);
    m_form->addRow(tr("Server"), m_server);

    auto *rowLayout = new QHBoxLayout(m_modelRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    m_modelPicker->setAccessibleName(tr("Model name"));
    m_modelPicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_refresh->setAutoRaise(true);
    m_refresh->setIcon(QIcon(SymbolIcons().pixmap(QStringLiteral("arrow.clockwise"), 16, palette().color(QPalette::ButtonText),
                                                  devicePixelRatioF())));
    m_refresh->setToolTip(tr("Refresh the list of models"));
    m_refresh->setAccessibleName(tr("Refresh the list of models"));
    rowLayout->addWidget(m_modelName);
    rowLayout->addWidget(m_modelPicker);
    rowLayout->addWidget(m_refresh);
    rowLayout->addStretch();
    m_form->addRow(tr("Model name"), m_modelRow);
    m_form->addRow(tr("Status"), m_status);
    m_footnote->setWordWrap(true);
    m_footnote->setForegroundRole(QPalette::PlaceholderText);
    m_form->addRow(m_footnote);

    m_reload->setSingleShot(true);
    m_reload->setTimerType(Qt::PreciseTimer);
    m_reload->setInterval(reloadDelay);
    connect(m_reload, &QTimer::timeout, this, [this] { loadModels(); });
    connect(m_provider, &QComboBox::activated, this, &ModelSettingsSection::chooseProvider);
    connect(m_server, &QLineEdit::textEdited, this, [this](const QString &text) { m_defaults.setString(serverKey, text); });
    connect(m_modelPicker, &QComboBox::activated, this,
            [this](int index) { m_defaults.setString(nameKey, m_modelPicker->itemText(index)); });
    connect(m_refresh, &QToolButton::clicked, this, [this] { loadModels(); });
    connect(&m_defaults, &UserDefaults::valueChanged, this, &ModelSettingsSection::settingChanged);
    refresh();
}

QString ModelSettingsSection::title(ModelProvider provider)
{
    switch (provider) {
    case ModelProvider::apple:
        return tr("On-device model (not available on Linux)");
    case ModelProvider::lmStudio:
        return tr("LM Studio");
    case ModelProvider::ollama:
        return tr("Ollama");
    case ModelProvider::other:
        break;
    }
    return tr("Other (OpenAI-compatible)");
}

QString ModelSettingsSection::footnote(ModelProvider provider)
{
    if (provider == ModelProvider::apple)
        return tr("Linux has no on-device model. LM Studio and Ollama run larger models on this computer, "
                  "so your text still never leaves it.");
    return tr("Start the server in %1 and load a model first. The model is used for every action, including Ask.")
        .arg(title(provider));
}

QString ModelSettingsSection::statusText() const
{
    return m_status->text();
}

bool ModelSettingsSection::isLoadPending() const
{
    return m_reload->isActive();
}

QString ModelSettingsSection::loadKey() const
{
    return ModelProviders::rawValue(LocalModelConfig::storedProvider(m_defaults)) + QLatin1Char('|')
        + m_defaults.stringValue(serverKey).value_or(QString());
}

void ModelSettingsSection::chooseProvider(int index)
{
    const QString raw = m_provider->itemData(index).toString();
    if (m_defaults.stringValue(providerKey) == raw)
        return;
    m_defaults.setString(providerKey, raw);
    m_defaults.setString(serverKey, QString());
    m_defaults.setString(nameKey, QString());
    m_models.clear();
    refresh();
}

void ModelSettingsSection::settingChanged(const QString &key)
{
    if (key != providerKey && key != serverKey && key != nameKey)
        return;
    if (key != nameKey && isVisible() && loadKey() != m_scheduledKey)
        scheduleLoad();
    refresh();
}

void ModelSettingsSection::scheduleLoad()
{
    m_scheduledKey = loadKey();
    m_reload->start();
}

void ModelSettingsSection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setConnection(Connection::checking);
    scheduleLoad();
}

void ModelSettingsSection::hideEvent(QHideEvent *event)
{
    m_reload->stop();
    m_scheduledKey.clear();
    QWidget::hideEvent(event);
}

QCoro::Task<void> ModelSettingsSection::loadModels()
{
    const ModelProvider provider = LocalModelConfig::storedProvider(m_defaults);
    if (provider == ModelProvider::apple)
        co_return;
    const std::optional<QUrl> url = LocalModelConfig::serverURL(m_defaults.stringValue(serverKey).value_or(QString()), provider);
    if (!url) {
        m_models.clear();
        setConnection(Connection::failed, tr("The server address isn't valid."));
        refresh();
        co_return;
    }
    const QString askedKey = loadKey();
    setConnection(Connection::checking);
    const QPointer<ModelSettingsSection> self(this);
    QStringList list;
    QString failure;
    try {
        list = co_await m_client.models(*url, ModelProviders::serverName(provider));
    } catch (const RequestCancelled &) {
        co_return;
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    }
    // The provider or the address changed while the server was asked: its answer is about another
    // server, and the current one's load says what holds now.
    if (!self || loadKey() != askedKey)
        co_return;
    if (!failure.isEmpty()) {
        m_models.clear();
        setConnection(Connection::failed, failure);
        refresh();
        co_return;
    }
    m_models = list;
    const QString name = m_defaults.stringValue(nameKey).value_or(QString());
    if (!list.contains(name))
        m_defaults.setString(nameKey, list.isEmpty() ? QString() : list.first());
    if (list.isEmpty())
        setConnection(Connection::failed, tr("Connected, but no models are available. Load or download a model first."));
    else
        setConnection(Connection::connected);
    refresh();
}

void ModelSettingsSection::setConnection(Connection connection, const QString &message)
{
    m_connection = connection;
    m_failure = message;
    switch (connection) {
    case Connection::checking:
        m_status->setText(tr("Connecting…"));
        break;
    case Connection::connected:
        m_status->setText(tr("Connected"), true);
        break;
    case Connection::failed:
        m_status->setText(message);
        break;
    }
}

void ModelSettingsSection::refresh()
{
    const ModelProvider provider = LocalModelConfig::storedProvider(m_defaults);
    {
        const QSignalBlocker blocker(m_provider);
        m_provider->setCurrentIndex(int(ModelProviders::allCases().indexOf(provider)));
    }
    const bool local = provider != ModelProvider::apple;
    for (QWidget *field : {static_cast<QWidget *>(m_server), m_modelRow, static_cast<QWidget *>(m_status)})
        m_form->setRowVisible(field, local);
    const QString server = m_defaults.stringValue(serverKey).value_or(QString());
    if (m_server->text() != server)
        m_server->setText(server);
    const std::optional<QUrl> placeholder = ModelProviders::defaultServer(provider);
    m_server->setPlaceholderText(placeholder ? placeholder->toString() : QString());

    const QString name = m_defaults.stringValue(nameKey).value_or(QString());
    m_modelName->setText(name.isEmpty() ? tr("No models found") : name);
    m_modelName->setVisible(m_models.isEmpty());
    m_modelPicker->setVisible(!m_models.isEmpty());
    const QSignalBlocker blocker(m_modelPicker);
    if (items(*m_modelPicker) != m_models) {
        m_modelPicker->clear();
        m_modelPicker->addItems(m_models);
    }
    m_modelPicker->setCurrentIndex(int(m_models.indexOf(name)));
    m_footnote->setText(footnote(provider));
}
