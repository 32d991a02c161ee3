#include "base/ringleerror.h"

#include <QCoreApplication>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("RingleError", text);
}
} // namespace

RingleError::RingleError(Kind kind, QString payload)
    : m_kind(kind)
    , m_payload(std::move(payload))
    , m_what(errorDescription().toUtf8())
{
}

QString RingleError::errorDescription() const
{
    switch (m_kind) {
    case Kind::modelUnavailable:
        return tr("Apple Intelligence is unavailable (%1).").arg(m_payload);
    case Kind::alreadyInLanguage:
        return tr("The text is already in %1.").arg(m_payload);
    case Kind::shortcutFailed:
        return tr("The shortcut failed: %1").arg(m_payload);
    case Kind::wrongLanguage:
        return tr("The response wasn't in %1, so nothing was replaced.").arg(m_payload);
    case Kind::localModelUnreachable:
        return tr("Can't reach %1. Is it running, with its server started?").arg(m_payload);
    case Kind::localModelFailed:
        return tr("The local model failed: %1").arg(m_payload);
    case Kind::nothingSelected:
        return tr("No text selected, or the app doesn't allow copying.");
    case Kind::focusChanged:
        return tr("You switched apps while the AI was working. The result is on the clipboard.");
    case Kind::suspiciousResult:
        return tr("The response didn't look like a correction, so nothing was replaced.");
    case Kind::textTooLong:
        return tr("The text is too long. Select less text and try again.");
    case Kind::localModelNotChosen:
        return tr("Choose a model under Settings → General → Model.");
    }
    return {};
}
