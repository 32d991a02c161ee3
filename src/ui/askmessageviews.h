#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

class SpinnerView;

// The user's question, right-aligned in a tinted bubble.
class AskQuestionBubble final : public QWidget {
    Q_OBJECT
public:
    explicit AskQuestionBubble(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_text;
};

// A label that says when it has been painted (for latency measurements).
class PaintReportingLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> onPainted;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// An answer: a small spinner while it is empty, then its text rendered from inline Markdown.
class AskAnswerView final : public QWidget {
    Q_OBJECT
public:
    explicit AskAnswerView(QWidget *parent = nullptr);

    void setText(const QString &text);
    // Whether the last text was shown plain because it did not parse as Markdown.
    bool isPlain() const { return m_label->textFormat() == Qt::PlainText; }
    PaintReportingLabel *label() const { return m_label; }

private:
    QWidget *m_spinnerRow;
    PaintReportingLabel *m_label;
};
