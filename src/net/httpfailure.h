#pragma once

#include <QString>
#include <exception>

// Why an HTTP request gave no complete response. Callers turn it into what their user sees.
class HttpFailure final : public std::exception {
public:
    enum class Kind {
        unreachable, // no connection, the connection dropped, or the server went silent too long
        cancelled,   // cancel() was called
        tooLarge,    // the body passed its cap
        notHttp,     // the answer does not read as HTTP
        other,       // TLS, redirects, proxy authentication…: `message` says what
    };

    HttpFailure(Kind kind, QString message)
        : m_kind(kind)
        , m_message(std::move(message))
        , m_what(m_message.toUtf8())
    {
    }

    Kind kind() const { return m_kind; }
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Kind m_kind;
    QString m_message;
    QByteArray m_what;
};
