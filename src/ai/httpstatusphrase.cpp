#include "ai/httpstatusphrase.h"

#include <QCoreApplication>

namespace {
struct Phrase {
    int code;
    const char *text;
};

constexpr Phrase kPhrases[] = {
    {100, QT_TRANSLATE_NOOP("HttpStatus", "continue")},
    {101, QT_TRANSLATE_NOOP("HttpStatus", "switching protocols")},
    {200, QT_TRANSLATE_NOOP("HttpStatus", "no error")},
    {201, QT_TRANSLATE_NOOP("HttpStatus", "created")},
    {202, QT_TRANSLATE_NOOP("HttpStatus", "accepted")},
    {203, QT_TRANSLATE_NOOP("HttpStatus", "non-authoritative information")},
    {204, QT_TRANSLATE_NOOP("HttpStatus", "no content")},
    {205, QT_TRANSLATE_NOOP("HttpStatus", "reset content")},
    {206, QT_TRANSLATE_NOOP("HttpStatus", "partial content")},
    {300, QT_TRANSLATE_NOOP("HttpStatus", "multiple choices")},
    {301, QT_TRANSLATE_NOOP("HttpStatus", "moved permanently")},
    {302, QT_TRANSLATE_NOOP("HttpStatus", "found")},
    {303, QT_TRANSLATE_NOOP("HttpStatus", "see other")},
    {304, QT_TRANSLATE_NOOP("HttpStatus", "not modified")},
    {307, QT_TRANSLATE_NOOP("HttpStatus", "temporary redirect")},
    {308, QT_TRANSLATE_NOOP("HttpStatus", "permanent redirect")},
    {400, QT_TRANSLATE_NOOP("HttpStatus", "bad request")},
    {401, QT_TRANSLATE_NOOP("HttpStatus", "unauthorized")},
    {402, QT_TRANSLATE_NOOP("HttpStatus", "payment required")},
    {403, QT_TRANSLATE_NOOP("HttpStatus", "forbidden")},
    {404, QT_TRANSLATE_NOOP("HttpStatus", "not found")},
    {405, QT_TRANSLATE_NOOP("HttpStatus", "method not allowed")},
    {406, QT_TRANSLATE_NOOP("HttpStatus", "unacceptable")},
    {408, QT_TRANSLATE_NOOP("HttpStatus", "request timed out")},
    {409, QT_TRANSLATE_NOOP("HttpStatus", "conflict")},
    {410, QT_TRANSLATE_NOOP("HttpStatus", "no longer exists")},
    {411, QT_TRANSLATE_NOOP("HttpStatus", "length required")},
    {413, QT_TRANSLATE_NOOP("HttpStatus", "request too large")},
    {414, QT_TRANSLATE_NOOP("HttpStatus", "requested URL too long")},
    {415, QT_TRANSLATE_NOOP("HttpStatus", "unsupported media type")},
    {422, QT_TRANSLATE_NOOP("HttpStatus", "unprocessable content")},
    {429, QT_TRANSLATE_NOOP("HttpStatus", "too many requests")},
    {500, QT_TRANSLATE_NOOP("HttpStatus", "internal server error")},
    {501, QT_TRANSLATE_NOOP("HttpStatus", "unimplemented")},
    {502, QT_TRANSLATE_NOOP("HttpStatus", "bad gateway")},
    {503, QT_TRANSLATE_NOOP("HttpStatus", "service unavailable")},
    {504, QT_TRANSLATE_NOOP("HttpStatus", "gateway timed out")},
    {505, QT_TRANSLATE_NOOP("HttpStatus", "unsupported version")},
};

const char *classPhrase(int statusCode)
{
    switch (statusCode / 100) {
    case 1:
        return QT_TRANSLATE_NOOP("HttpStatus", "informational");
    case 2:
        return QT_TRANSLATE_NOOP("HttpStatus", "success");
    case 3:
        return QT_TRANSLATE_NOOP("HttpStatus", "redirected");
    case 4:
        return QT_TRANSLATE_NOOP("HttpStatus", "client error");
    case 5:
        return QT_TRANSLATE_NOOP("HttpStatus", "server error");
    }
    return QT_TRANSLATE_NOOP("HttpStatus", "server error");
}
} // namespace

QString httpStatusPhrase(int statusCode)
{
    for (const Phrase &phrase : kPhrases) {
        if (phrase.code == statusCode)
            return QCoreApplication::translate("HttpStatus", phrase.text);
    }
    return QCoreApplication::translate("HttpStatus", classPhrase(statusCode));
}
