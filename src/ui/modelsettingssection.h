#pragma once

#include "ai/modelprovider.h"

#include <QStringList>
#include <QWidget>
#include <QCoroTask>
#include <chrono>

class LocalModelClient;
class QComboBox;
class QFormLayout;
class QLabel;
class StatusLabel;
class QLineEdit;
class QTimer;
class QToolButton;
class UserDefaults;

// The "Model" section: the provider, the server address, the model with the server's list of
// models and the connection's state. The list loads 0.4 s after the provider or the address last
// changed and each time the section is shown. A list that arrives after the provider or the address
// changed again is dropped, so it can neither report on nor pick a model of the wrong server.
class ModelSettingsSection final : public QWidget {
    Q_OBJECT
public:
    enum class Connection { checking, connected, failed };
    static constexpr std::chrono::milliseconds reloadDelay{400};

    ModelSettingsSection(UserDefaults &defaults, LocalModelClient &client, QWidget *parent = nullptr);

    static QString title(ModelProvider provider);
    static QString footnote(ModelProvider provider);

    QCoro::Task<void> loadModels();

    QStringList models() const { return m_models; }
    Connection connection() const { return m_connection; }
    // The status row's text: "Connecting…", "Connected" or the failure's message.
    QString statusText() const;
    bool isLoadPending() const;

    QComboBox *providerPicker() const { return m_provider; }
    QLineEdit *serverField() const { return m_server; }
    QComboBox *modelPicker() const { return m_modelPicker; }
    QLabel *modelNameLabel() const { return m_modelName; }
    QLabel *footnoteLabel() const { return m_footnote; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Which server a load asks: the provider's raw value, "|", the typed address.
    QString loadKey() const;
    void chooseProvider(int index);
    void settingChanged(const QString &key);
    void scheduleLoad();
    void setConnection(Connection connection, const QString &message = QString());
    void refresh();

    UserDefaults &m_defaults;
    LocalModelClient &m_client;
    QFormLayout *m_form;
    QComboBox *m_provider;
    QLineEdit *m_server;
    QWidget *m_modelRow;
    QLabel *m_modelName;
    QComboBox *m_modelPicker;
    QToolButton *m_refresh;
    StatusLabel *m_status;
    QLabel *m_footnote;
    QTimer *m_reload;
    QStringList m_models;
    Connection m_connection = Connection::checking;
    QString m_failure;
    QString m_scheduledKey;
};
