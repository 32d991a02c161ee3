#pragma once

#include "ai/localmodelclient.h"
#include "ai/localmodelconfig.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QCoroTask>
#include <functional>
#include <memory>
#include <optional>

class OnDeviceModel;
class OnDeviceSession;
class UserDefaults;

// A short conversation with a language model about the text selected when it began (or about
// anything). Streams each answer into its message, cuts off runaway repetition and turns failures
// into one error line; "full" when the model's context is used up. Lives as long as its window.
// Main thread only.
class AskChat final : public QObject {
    Q_OBJECT
public:
    struct Message {
        QUuid id;
        bool fromUser = false;
        QString text;
    };

    // What the chat talks to. Everything must outlive the chat.
    struct Models {
        LocalModelClient &client;
        OnDeviceModel &onDevice;
        const UserDefaults &defaults;
        // The desktop's preferred languages, first the most preferred (BCP 47 tags).
        std::function<QStringList()> preferredLanguages = &AskChat::systemLanguages;
    };

    static constexpr double temperature = 0.7;
    static constexpr int onDeviceMaximumTokens = 600;
    // Questions shorter than this get no "(Answer in …)" hint: too short to judge their language.
    static constexpr int languageHintMinimumLength = 10;

    AskChat(Models models, std::optional<QString> context, QObject *parent = nullptr);
    ~AskChat() override;

    const QList<Message> &messages() const { return m_messages; }
    bool isResponding() const { return m_responding; }
    const std::optional<QString> &error() const { return m_error; }
    bool isFull() const { return m_full; }
    const std::optional<QString> &context() const { return m_context; }
    // Whether the answers come from the on-device model rather than a local server.
    bool usesOnDeviceModel() const { return !m_local; }

    // A question as typed; ignored while answering, when full, or when it is only white space.
    void send(const QString &question);
    // Ends the current answer; what was written of it stays.
    void stop();
    // An empty conversation about the same text.
    void startOver();

    static QString instructions(const std::optional<QString> &context, const QStringList &preferredLanguages);
    // The question as sent to the model, with a hint of the language to answer in when it tells.
    static QString prompt(const QString &question, const QStringList &preferredLanguages);
    static QStringList systemLanguages();

Q_SIGNALS:
    // Messages were added, removed or cleared.
    void messagesChanged();
    // The text of the message at `index` changed as its answer streamed in.
    void messageTextChanged(int index);
    // isResponding, error or isFull changed.
    void stateChanged();

private:
    struct Answer;
    void beginConversation();
    void checkAvailability();
    void setState(bool responding, std::optional<QString> error, bool full);
    void update(const Answer &answer, const QString &text);
    int indexOf(const QUuid &id) const;
    int userMessageCount() const;
    QString tooLongMessage() const;
    void fail(const Answer &answer, const std::exception_ptr &error);
    void finish(const Answer &answer);
    static QCoro::Task<void> answer(std::shared_ptr<Answer> state, QString prompt);

    Models m_models;
    std::optional<QString> m_context;
    std::optional<LocalModelConfig> m_local;
    std::shared_ptr<OnDeviceSession> m_session;
    QList<LocalModelClient::Message> m_history;
    QList<Message> m_messages;
    bool m_responding = false;
    std::optional<QString> m_error;
    bool m_full = false;
    std::shared_ptr<Answer> m_answer;
    int m_generation = 0;
};
