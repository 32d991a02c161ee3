#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error that is one sentence for the user; the kinds derive from it so that callers catch
// just the one they handle.
class SentenceError : public std::exception {
public:
    explicit SentenceError(const QString &message)
        : m_message(message)
        , m_what(message.toUtf8())
    {
    }
    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};
