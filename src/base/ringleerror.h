#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Every failure the user is told about. The message is the text shown in the result panel and menu.
class RingleError final : public std::exception {
public:
    enum class Kind {
        modelUnavailable,      // payload: reason
        alreadyInLanguage,     // payload: language display name
        shortcutFailed,        // payload: detail
        wrongLanguage,         // payload: language display name
        localModelUnreachable, // payload: server display name
        localModelFailed,      // payload: detail
        nothingSelected,
        focusChanged,
        suspiciousResult,
        textTooLong,
        localModelNotChosen,
    };

    explicit RingleError(Kind kind, QString payload = {});

    static RingleError modelUnavailable(const QString &reason) { return RingleError(Kind::modelUnavailable, reason); }
    static RingleError alreadyInLanguage(const QString &name) { return RingleError(Kind::alreadyInLanguage, name); }
    static RingleError shortcutFailed(const QString &detail) { return RingleError(Kind::shortcutFailed, detail); }
    static RingleError wrongLanguage(const QString &name) { return RingleError(Kind::wrongLanguage, name); }
    static RingleError localModelUnreachable(const QString &server) { return RingleError(Kind::localModelUnreachable, server); }
    static RingleError localModelFailed(const QString &detail) { return RingleError(Kind::localModelFailed, detail); }
    static RingleError nothingSelected() { return RingleError(Kind::nothingSelected); }
    static RingleError focusChanged() { return RingleError(Kind::focusChanged); }
    static RingleError suspiciousResult() { return RingleError(Kind::suspiciousResult); }
    static RingleError textTooLong() { return RingleError(Kind::textTooLong); }
    static RingleError localModelNotChosen() { return RingleError(Kind::localModelNotChosen); }

    Kind kind() const { return m_kind; }
    QString payload() const { return m_payload; }
    // The user-visible message, in the interface language.
    QString errorDescription() const;
    const char *what() const noexcept override { return m_what.constData(); }

    bool operator==(const RingleError &other) const { return m_kind == other.m_kind && m_payload == other.m_payload; }

private:
    Kind m_kind;
    QString m_payload;
    QByteArray m_what;
};
