#include "lineprocess.h"

#include "testsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace TestSupport {
QString programPath(const QString &name)
{
    return buildPath(u"tests/programs/"_qs + name + u'/' + name);
}

QString buildPath(const QString &relative)
{
    const QString buildDir = qEnvironmentVariable("RINGLE_BUILD_DIR");
    if (!buildDir.isEmpty())
        return QDir(buildDir).filePath(relative);
    // Run by hand: look upwards from the executable for the build directory.
    for (QDir dir(QCoreApplication::applicationDirPath()); !dir.isRoot(); dir.cdUp()) {
        if (QFileInfo::exists(dir.filePath(relative)))
            return dir.filePath(relative);
    }
    return relative;
}

LineProcess::~LineProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        finishOrKill(m_process, 2000);
    }
}

bool LineProcess::start(const QString &program, const QStringList &args, int timeoutMs)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, args);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    const QByteArray ready = readLine(timeoutMs);
    if (!ready.startsWith("ready "))
        return false;
    m_pid = ready.mid(6).toLongLong();
    return true;
}

void LineProcess::send(const QByteArray &command)
{
    m_process.write(command + '\n');
}

QByteArray LineProcess::request(const QByteArray &command, int timeoutMs)
{
    send(command);
    return readLine(timeoutMs);
}

QByteArray LineProcess::readLine(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        m_buffer += m_process.readAllStandardOutput();
        const qsizetype nl = m_buffer.indexOf('\n');
        if (nl >= 0) {
            const QByteArray line = m_buffer.left(nl);
            m_buffer.remove(0, nl + 1);
            return line;
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return {};
        QTest::qWait(5);
    }
}

namespace {
QByteArray outputOf(const QString &program, const QStringList &args, bool withErrors = false)
{
    QProcess p;
    if (withErrors)
        p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(5000))
        return {};
    return p.readAllStandardOutput().trimmed();
}

QByteArray xdotoolOutput(const QStringList &args)
{
    return outputOf(u"xdotool"_qs, args);
}
} // namespace

bool waitUntilActive(qint64 pid, const QString &title, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QDeadlineTimer nextAsk(1000);
    while (!deadline.hasExpired()) {
        if (xdotoolOutput({u"getactivewindow"_qs, u"getwindowpid"_qs}).toLongLong() == pid)
            return true;
        if (nextAsk.hasExpired()) {
            xdotoolOutput({u"search"_qs, u"--onlyvisible"_qs, u"--name"_qs, u'^' + QRegularExpression::escape(title) + u'$',
                           u"windowactivate"_qs});
            nextAsk.setRemainingTime(1000);
        }
        QTest::qWait(50);
    }
    qWarning() << "window" << title << "of" << pid << "never became active; active window's process:"
               << xdotoolOutput({u"getactivewindow"_qs, u"getwindowpid"_qs}) << "windows by that title:"
               << xdotoolOutput({u"search"_qs, u"--name"_qs, u'^' + QRegularExpression::escape(title) + u'$'})
               << "window manager:" << outputOf(u"xprop"_qs, {u"-root"_qs, u"_NET_SUPPORTING_WM_CHECK"_qs, u"_NET_ACTIVE_WINDOW"_qs}, true)
               << outputOf(u"pgrep"_qs, {u"-a"_qs, u"openbox"_qs});
    return false;
}

bool startTestEditor(LineProcess &editor, const QString &title, const QStringList &extraArgs)
{
    return editor.start(programPath(u"testeditor"_qs), QStringList{u"--title"_qs, title} + extraArgs)
        && waitUntilActive(editor.pid(), title);
}

std::unique_ptr<LineProcess> editorWith(const QString &text, int from, int to)
{
    auto editor = std::make_unique<LineProcess>();
    if (!startTestEditor(*editor, QString::fromLatin1(QTest::currentTestFunction())) || !setAndSelect(*editor, text, from, to))
        return nullptr;
    return editor;
}

QByteArray encodeText(const QString &text)
{
    return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
}

QString decodeText(const QByteArray &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    return doc.isArray() ? doc.array().at(0).toString() : QString();
}

QByteArray encodeFormats(const Formats &formats)
{
    QJsonArray array;
    for (const auto &[type, data] : formats)
        array.append(QJsonArray{type, QString::fromLatin1(data.toBase64())});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

Formats decodeFormats(const QByteArray &json)
{
    Formats formats;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).array()) {
        const QJsonArray p = v.toArray();
        formats.append({p.at(0).toString(), QByteArray::fromBase64(p.at(1).toString().toLatin1())});
    }
    return formats;
}
QString editorText(LineProcess &editor)
{
    const QByteArray line = editor.request("text");
    return line.startsWith("text ") ? decodeText(line.mid(5)) : QString();
}

bool setAndSelect(LineProcess &editor, const QString &text, int from, int to)
{
    return editor.request("set " + encodeText(text)) == "ok"
        && editor.request("select " + QByteArray::number(from) + ' ' + QByteArray::number(to)) == "ok";
}

Formats clipboardFromOtherProcess()
{
    LineProcess reader;
    if (!reader.start(programPath(u"clipboardtool"_qs)))
        return {};
    const QByteArray line = reader.request("dump", 30000);
    return line.startsWith("dump ") ? decodeFormats(line.mid(5)) : Formats{};
}

QHash<QString, QByteArray> contentOf(const Formats &formats)
{
    static const QStringList meta{u"TARGETS"_qs, u"MULTIPLE"_qs, u"TIMESTAMP"_qs, u"SAVE_TARGETS"_qs,
                                  u"application/x-qt-image"_qs};
    QHash<QString, QByteArray> map;
    for (const auto &[type, data] : formats) {
        if (!meta.contains(type))
            map.insert(type, data);
    }
    return map;
}

QByteArray randomBytes(QRandomGenerator &gen, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    gen.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    for (qsizetype i = size / 4 * 4; i < size; ++i)
        bytes[i] = char(gen.bounded(256));
    return bytes;
}
} // namespace TestSupport
