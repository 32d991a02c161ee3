#pragma once

#include <QList>
#include <QScrollArea>
#include <QUuid>
#include <utility>

class AskAnswerView;
class AskChat;
class AskQuote;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The quote, the messages, the error line and the model notice, in a column that grows with its
// content up to 440 points, then scrolls, always following its end.
class AskConversation final : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int maximumHeight = 440;

    explicit AskConversation(AskChat &chat, QWidget *parent = nullptr);

    // Whether there is anything to show: a quote, messages, an error or the model notice.
    bool hasContent() const;
    // The height the content needs at the current width.
    int contentHeight() const;

    AskQuote *quote() const { return m_quote; }
    // The view of the message at `index` when it is an answer, else null.
    AskAnswerView *answerView(int index) const;
    QPushButton *startOverButton() const { return m_startOver; }
    QLabel *notice() const { return m_noticeText; }

Q_SIGNALS:
    // The notice's link to the settings was activated.
    void openSettingsRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *errorRow();
    QWidget *noticeRow();
    void syncMessages();
    void showAnswer(int index);
    void showState();
    void fitHeight();

    AskChat &m_chat;
    QWidget *m_content;
    QVBoxLayout *m_column;
    AskQuote *m_quote = nullptr;
    QList<std::pair<QUuid, QWidget *>> m_messageViews;
    QWidget *m_error = nullptr;
    QLabel *m_errorText = nullptr;
    QPushButton *m_startOver = nullptr;
    QWidget *m_notice = nullptr;
    QLabel *m_noticeText = nullptr;
};
