#pragma once

#include <QWidget>

class AskChat;
class AskConversation;
class AskQuestionField;
class QFrame;
class QToolButton;

// What the Ask panel shows: the question bar (with Stop while answering) and, once there is
// something to show, a divider and the conversation. Reports its natural height whenever it changes.
class AskView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int width = 640;
    static constexpr int focusDelayMilliseconds = 50;

    explicit AskView(AskChat &chat, QWidget *parent = nullptr);

    // The height the view needs at its width.
    int naturalHeight() const;

    AskQuestionField *field() const { return m_field; }
    QToolButton *stopButton() const { return m_stop; }
    AskConversation *conversation() const { return m_conversation; }

Q_SIGNALS:
    void openSettingsRequested();
    void heightChanged(qreal height);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void submit();
    void showState();
    void reportHeight();

    AskChat &m_chat;
    AskQuestionField *m_field;
    QToolButton *m_stop;
    QFrame *m_divider;
    AskConversation *m_conversation;
    int m_reportedHeight = -1;
    bool m_focusScheduled = false;
};
