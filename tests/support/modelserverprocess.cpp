#include "modelserverprocess.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
QString serverProgram()
{
    const QByteArray overridden = qgetenv("RINGLE_TEST_MODEL_SERVER");
    return overridden.isEmpty() ? QStringLiteral(RINGLE_TEST_MODEL_SERVER) : QString::fromLocal8Bit(overridden);
}
} // namespace

ModelServerProcess::ModelServerProcess(quint16 port)
    : ModelServerProcess(QStringList{QStringLiteral("--port"), QString::number(port)}, false)
{
}

ModelServerProcess::ModelServerProcess(const QStringList &arguments)
    : ModelServerProcess(arguments, !arguments.isEmpty())
{
}

ModelServerProcess::ModelServerProcess(const QStringList &arguments, bool secure)
    : m_secure(secure)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(serverProgram(), arguments);
    if (!m_process.waitForStarted(10000))
        return;
    const QDeadlineTimer deadline(10000);
    while (!m_buffer.contains('\n') && !deadline.hasExpired() && m_process.waitForReadyRead(int(deadline.remainingTime())))
        m_buffer += m_process.readAllStandardOutput();
    const qsizetype newline = m_buffer.indexOf('\n');
    if (newline < 0)
        return;
    m_port = quint16(m_buffer.left(newline).trimmed().toUInt());
    m_buffer.remove(0, newline + 1);
}

ModelServerProcess::~ModelServerProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl ModelServerProcess::url() const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2").arg(m_secure ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port));
}

bool ModelServerProcess::enqueue(const QJsonObject &response)
{
    return command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("enqueue")}, {QStringLiteral("response"), response}});
}

bool ModelServerProcess::setDefault(const QJsonObject &response)
{
    return command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("default")}, {QStringLiteral("response"), response}});
}

bool ModelServerProcess::setRecording(bool on)
{
    return command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("record")}, {QStringLiteral("on"), on}});
}

bool ModelServerProcess::command(const QJsonObject &command)
{
    m_process.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        for (qsizetype i = 0; i < m_events.size(); ++i) {
            if (m_events[i].value(QLatin1String("event")) == QLatin1String("ack")) {
                m_events.removeAt(i);
                return true;
            }
        }
        if (!readEvents(int(deadline.remainingTime())))
            return false;
    }
    return false;
}

QList<QJsonObject> ModelServerProcess::events(const QString &kind, int atLeast, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    readEvents(0);
    while (true) {
        QList<QJsonObject> found;
        for (const QJsonObject &event : std::as_const(m_events)) {
            if (event.value(QLatin1String("event")).toString() == kind)
                found.append(event);
        }
        if (found.size() >= atLeast || deadline.hasExpired() || !readEvents(int(deadline.remainingTime())))
            return found;
    }
}

void ModelServerProcess::forgetEvents()
{
    while (readEvents(0)) {
    }
    m_events.clear();
}

bool ModelServerProcess::readEvents(int timeoutMs)
{
    if (m_process.bytesAvailable() == 0 && !m_process.waitForReadyRead(timeoutMs))
        return false;
    m_buffer += m_process.readAllStandardOutput();
    qsizetype newline;
    while ((newline = m_buffer.indexOf('\n')) >= 0) {
        m_events.append(QJsonDocument::fromJson(m_buffer.left(newline)).object());
        m_buffer.remove(0, newline + 1);
    }
    return true;
}

QJsonObject ModelServerProcess::json(int status, const QJsonObject &body)
{
    return text(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
}

QJsonObject ModelServerProcess::text(int status, const QByteArray &body, const QByteArray &contentType)
{
    return QJsonObject{
        {QStringLiteral("status"), status},
        {QStringLiteral("headers"), QJsonObject{{QStringLiteral("Content-Type"), QString::fromLatin1(contentType)}}},
        {QStringLiteral("parts"), QJsonArray{QJsonObject{{QStringLiteral("base64"), QString::fromLatin1(body.toBase64())}}}},
    };
}

QJsonObject ModelServerProcess::completion(const QString &content)
{
    const QJsonObject message{{QStringLiteral("role"), QStringLiteral("assistant")}, {QStringLiteral("content"), content}};
    return json(200, QJsonObject{{QStringLiteral("choices"), QJsonArray{QJsonObject{{QStringLiteral("message"), message}}}}});
}

QJsonObject ModelServerProcess::modelList(const QStringList &ids)
{
    QJsonArray data;
    for (const QString &id : ids)
        data.append(QJsonObject{{QStringLiteral("id"), id}, {QStringLiteral("object"), QStringLiteral("model")}});
    return json(200, QJsonObject{{QStringLiteral("object"), QStringLiteral("list")}, {QStringLiteral("data"), data}});
}

QJsonObject ModelServerProcess::delayed(QJsonObject response, int delayMs)
{
    QJsonArray parts = response.value(QStringLiteral("parts")).toArray();
    QJsonObject first = parts.at(0).toObject();
    first.insert(QStringLiteral("delayMs"), delayMs);
    parts.replace(0, first);
    response.insert(QStringLiteral("parts"), parts);
    return response;
}

QByteArray ModelServerProcess::deltaEvent(const QString &content)
{
    const QJsonObject delta{{QStringLiteral("content"), content}};
    const QJsonObject chunk{{QStringLiteral("choices"), QJsonArray{QJsonObject{{QStringLiteral("delta"), delta}}}}};
    return "data: " + QJsonDocument(chunk).toJson(QJsonDocument::Compact) + "\n\n";
}

QJsonObject ModelServerProcess::eventStream(const QList<QByteArray> &lines, int delayMs, bool reportWrites)
{
    QJsonArray parts;
    for (const QByteArray &line : lines) {
        parts.append(QJsonObject{{QStringLiteral("base64"), QString::fromLatin1(line.toBase64())},
                                 {QStringLiteral("delayMs"), delayMs},
                                 {QStringLiteral("report"), reportWrites}});
    }
    return QJsonObject{
        {QStringLiteral("status"), 200},
        {QStringLiteral("headers"), QJsonObject{{QStringLiteral("Content-Type"), QStringLiteral("text/event-stream")}}},
        {QStringLiteral("framing"), QStringLiteral("chunked")},
        {QStringLiteral("parts"), parts},
    };
}
