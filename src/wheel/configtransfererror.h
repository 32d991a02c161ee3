#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Why a configuration could not be exported or imported: one sentence for the user, already
// translated, the same on the command line and in the settings window.
class ConfigTransferError final : public std::exception {
public:
    explicit ConfigTransferError(const QString &message)
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
