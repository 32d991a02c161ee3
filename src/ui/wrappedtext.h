#pragma once

#include <QTextDocument>
#include <QWidget>

// Plain or rich text that wraps at word boundaries, and inside a word too long for a line (an address, a
// path), so no text is ever cut off at the side.
class WrappedText final : public QWidget {
    Q_OBJECT
public:
    explicit WrappedText(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setHtml(const QString &html);
    // The text shown, without its markup.
    QString text() const { return m_text; }
    // The width of the text on one line, unwrapped.
    int naturalWidth() const;
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_text;
    mutable QTextDocument m_document;
};
