#include "cannedresponse.h"

#include <QJsonArray>
#include <QJsonValue>

CannedResponse CannedResponse::fromJson(const QJsonObject &json)
{
    CannedResponse response;
    response.status = json.value(QLatin1String("status")).toInt(200);
    response.reason = json.value(QLatin1String("reason")).toString(QStringLiteral("Status")).toUtf8();
    const QJsonObject headers = json.value(QLatin1String("headers")).toObject();
    for (auto it = headers.begin(); it != headers.end(); ++it)
        response.headers.append(std::pair(it.key().toUtf8(), it.value().toString().toUtf8()));
    for (const QJsonValue &value : json.value(QLatin1String("parts")).toArray()) {
        const QJsonObject object = value.toObject();
        Part part;
        part.data = object.contains(QLatin1String("base64"))
                        ? QByteArray::fromBase64(object.value(QLatin1String("base64")).toString().toLatin1())
                        : object.value(QLatin1String("text")).toString().toUtf8();
        part.repeat = object.value(QLatin1String("repeat")).toInteger(1);
        part.delayMs = object.value(QLatin1String("delayMs")).toInt(0);
        part.report = object.value(QLatin1String("report")).toBool(false);
        response.parts.append(part);
    }
    const QString framing = json.value(QLatin1String("framing")).toString(QStringLiteral("length"));
    response.framing = framing == QLatin1String("chunked") ? Framing::chunked
                       : framing == QLatin1String("close") ? Framing::close
                                                            : Framing::length;
    response.abort = json.value(QLatin1String("abort")).toBool(false);
    response.closeAfter = json.value(QLatin1String("closeAfter")).toBool(false);
    response.raw = json.value(QLatin1String("raw")).toBool(false);
    return response;
}

CannedResponse CannedResponse::nothingQueued()
{
    CannedResponse response;
    response.status = 500;
    response.reason = "Internal Server Error";
    response.headers.append(std::pair<QByteArray, QByteArray>("Content-Type", "application/json"));
    response.parts.append(Part{R"({"error":{"message":"test server: nothing queued"}})", 1, 0, false});
    return response;
}

qint64 CannedResponse::bodyLength() const
{
    qint64 total = 0;
    for (const Part &part : parts) {
        if (part.repeat < 0)
            return -1;
        total += part.data.size() * part.repeat;
    }
    return total;
}
