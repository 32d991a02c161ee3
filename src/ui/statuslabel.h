#pragma once

#include <QWidget>

class QLabel;

// A status text, with a green check mark in front when it reports that something works.
class StatusLabel final : public QWidget {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget *parent = nullptr);

    void setText(const QString &text, bool good = false);
    QString text() const;
    bool isGood() const;

private:
    QLabel *m_mark;
    QLabel *m_text;
};
