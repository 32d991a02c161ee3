#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The selected text as a quote beside a thin bar: three lines at most until "Show more" is
// pressed, a button only long texts get.
class AskQuote final : public QWidget {
    Q_OBJECT
public:
    static constexpr int longLength = 301;
    static constexpr int longLineBreaks = 3; // more than this many
    static constexpr int collapsedLines = 3;

    explicit AskQuote(const QString &text, QWidget *parent = nullptr);

    // 301 characters or more, or more than three line breaks of any kind.
    static bool isLong(const QString &text);
    bool hasToggle() const;
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_text;
    QPushButton *m_toggle = nullptr;
    bool m_expanded = false;
};
