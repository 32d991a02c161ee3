#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Thrown by the configuration decoders when stored JSON does not have the expected form.
// Callers that fall back to defaults catch it; `ringle config set` shows its message.
class JsonDecodeError final : public std::exception {
public:
    explicit JsonDecodeError(const QString &message)
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
