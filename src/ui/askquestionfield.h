#pragma once

#include <QTextEdit>

// The question: plain text in a large font, one line high and growing to four as it wraps.
// Return submits; Shift+Return breaks the line.
class AskQuestionField final : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int fontPixelSize = 22;
    static constexpr int maximumLines = 4;

    explicit AskQuestionField(QWidget *parent = nullptr);

    QString question() const { return toPlainText(); }

Q_SIGNALS:
    void submitted();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitHeight();
};
