// A separate clipboard owner and reader through a remote desktop session of GNOME Shell's, for
// tests, driven over stdin/stdout with one reply per line. Contents travel as JSON arrays of
// [type, base64 data] pairs, in order. Its clipboard handling is its own; only the session is
// made with the product's code.
//   own <json>     take the clipboard with these formats                  -> ok
//   dump           read every type the selection offers, in offered order -> dump <json>
//   owner          whether this process owns the clipboard                -> owner yes|no
//   types          the offered types, unread                              -> types <json strings>
//   clear          empty the clipboard                                    -> ok
//   hold <type>    ask for a type and never read it (a reader that stalls) -> ok
//   freeze <ms>    reply ok, then stop answering anyone (the main thread sleeps)
//   quit
#include "platform/wayland/mutterremotedesktop.h"
#include "platform/wayland/pipetransfer.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusUnixFileDescriptor>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>
#include <QCoroTimer>

#include "commandqueue.h"

#include <csignal>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {
using Contents = QList<std::pair<QString, QByteArray>>;

const QString selectionReadMethod = QStringLiteral("SelectionRead");

std::optional<Contents> parseContents(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    Contents contents;
    for (const QJsonValue &pair : document.array()) {
        const QJsonArray p = pair.toArray();
        if (p.size() != 2 || !p.at(0).isString() || !p.at(1).isString())
            return std::nullopt;
        const auto bytes = QByteArray::fromBase64Encoding(p.at(1).toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes)
            return std::nullopt;
        contents.append({p.at(0).toString(), *bytes});
    }
    return contents;
}

QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

int fdOf(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != u"h")
        return -1;
    return ::fcntl(reply.arguments().constFirst().value<QDBusUnixFileDescriptor>().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

class Tool final : public QObject {
public:
    Tool()
        : m_remote(MutterRemoteDesktop::Use::clipboard)
    {
        connect(&m_remote, &MutterRemoteDesktop::selectionOwnerChanged, this, [this](const QVariantMap &options) {
            m_owner = options.value(u"session-is-owner"_qs).toBool();
            m_types = MutterRemoteDesktop::mimeTypes(options);
        });
        connect(&m_remote, &MutterRemoteDesktop::selectionTransfer, this,
                [this](const QString &type, quint32 serial) { serve(type, serial); });
    }

    // Says "ready" once the session has the clipboard; ends the program when it cannot.
    QCoro::Task<void> begin()
    {
        const bool started = co_await m_remote.ready();
        const QDBusPendingCall enable = m_remote.call(u"EnableClipboard"_qs, {QVariantMap()});
        const QDBusMessage reply = co_await MutterRemoteDesktop::answer(enable);
        if (!started || reply.type() != QDBusMessage::ReplyMessage) {
            std::fprintf(stderr, "mutterclipboardtool: no clipboard through GNOME Shell's remote desktop\n");
            QCoreApplication::exit(1);
            co_return;
        }
        replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    }

private:
    QCoro::Task<void> run(QByteArray line)
    {
        const auto [command, rest] = splitCommand(line);
        if (command == "quit")
            co_return QCoreApplication::quit();
        if (command == "freeze") {
            bool ok = false;
            const int ms = rest.trimmed().toInt(&ok);
            if (!ok || ms < 0 || ms > 60000)
                co_return m_queue.reply("error freeze takes 0 to 60000 milliseconds");
            m_queue.reply("ok");
            QThread::msleep(ulong(ms));
            co_return;
        }
        if (command == "own") {
            const std::optional<Contents> contents = parseContents(rest);
            if (!contents)
                co_return m_queue.reply("error own takes a JSON array of [type, base64] pairs");
            m_contents = *contents;
            QStringList types;
            for (const auto &[type, data] : m_contents)
                types.append(type);
            const QVariantMap options{{u"mime-types"_qs, types}};
            if (!co_await setSelection(options))
                co_return m_queue.reply("error GNOME Shell refused the selection");
        } else if (command == "clear") {
            // Mutter lets a session unset only its own selection.
            m_contents.clear();
            const QVariantMap placeholder{{u"mime-types"_qs, QStringList{u"application/x-tool-clearing"_qs}}};
            const bool taken = co_await setSelection(placeholder);
            const bool cleared = taken && co_await setSelection(QVariantMap());
            if (!cleared)
                co_return m_queue.reply("error GNOME Shell refused to clear the selection");
        } else if (command == "hold") {
            const int fd = fdOf(co_await selectionRead(QString::fromUtf8(rest.trimmed())));
            if (fd < 0)
                co_return m_queue.reply("error no pipe");
            m_held.append(fd);
            co_return m_queue.reply("ok");
        } else if (command != "dump" && command != "owner" && command != "types") {
            co_return m_queue.reply("error unknown command " + command);
        }
        // Every answer reflects what Mutter knew when the command came.
        if (!co_await m_remote.settle())
            co_return m_queue.reply("error GNOME Shell did not answer");
        if (command == "owner")
            co_return m_queue.reply(m_owner ? "owner yes" : "owner no");
        if (command == "types") {
            QJsonArray types;
            for (const QString &type : std::as_const(m_types))
                types.append(type);
            co_return m_queue.reply("types " + compact(types));
        }
        if (command == "dump")
            co_return m_queue.reply(co_await dump());
        m_queue.reply("ok");
    }

    QCoro::Task<bool> setSelection(QVariantMap options)
    {
        const QDBusPendingCall set = m_remote.call(u"SetSelection"_qs, {options});
        const QDBusMessage reply = co_await MutterRemoteDesktop::answer(set);
        co_return reply.type() == QDBusMessage::ReplyMessage;
    }

    // Mutter counts a read as running a moment after its pipe has ended, and refuses the next one
    // meanwhile; a refusal then says nothing about the clipboard.
    QCoro::Task<QDBusMessage> selectionRead(QString type)
    {
        const QDeadlineTimer deadline(2000);
        for (;;) {
            const QDBusPendingCall read = m_remote.call(selectionReadMethod, {type});
            const QDBusMessage reply = co_await MutterRemoteDesktop::answer(read);
            const bool refused = reply.type() == QDBusMessage::ErrorMessage
                && reply.errorName() == QDBusError::errorString(QDBusError::LimitsExceeded);
            if (!refused || deadline.hasExpired())
                co_return reply;
            QTimer pause;
            pause.setSingleShot(true);
            pause.start(5);
            co_await pause;
        }
    }

    // One type after another: Mutter reads one at a time for a session.
    QCoro::Task<QByteArray> dump()
    {
        if (m_owner) {
            QJsonArray formats;
            for (const auto &[type, data] : std::as_const(m_contents))
                formats.append(QJsonArray{type, QString::fromLatin1(data.toBase64())});
            co_return "dump " + compact(formats);
        }
        QJsonArray formats;
        const QStringList types = m_types;
        for (const QString &type : types) {
            const QDBusMessage reply = co_await selectionRead(type);
            const int fd = fdOf(reply);
            if (fd < 0)
                co_return "error no pipe for " + type.toUtf8() + ": " + reply.errorMessage().toUtf8();
            const PipeTransfer::ReadResult r = co_await PipeTransfer::readToEnd(fd, {std::chrono::milliseconds(2000)});
            if (r.status != PipeTransfer::ReadStatus::complete)
                co_return "error reading " + type.toUtf8();
            formats.append(QJsonArray{type, QString::fromLatin1(r.data.toBase64())});
        }
        co_return "dump " + compact(formats);
    }

    QCoro::Task<void> serve(QString type, quint32 serial)
    {
        QByteArray data;
        bool known = false;
        for (const auto &[t, d] : std::as_const(m_contents)) {
            if (t == type) {
                data = d;
                known = true;
                break;
            }
        }
        const QDBusPendingCall write = m_remote.call(u"SelectionWrite"_qs, {serial});
        const int fd = fdOf(co_await MutterRemoteDesktop::answer(write));
        if (fd < 0)
            co_return;
        auto *writer = new PipeWriter(fd, data, this);
        connect(writer, &PipeWriter::finished, this,
                [this, serial, known](bool complete) { m_remote.call(u"SelectionWriteDone"_qs, {serial, complete && known}); });
    }

    MutterRemoteDesktop m_remote;
    Contents m_contents;
    bool m_owner = false;
    QStringList m_types;
    QList<int> m_held;
    CommandQueue m_queue{[this](const QByteArray &line) { run(line); }};
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);
    Tool tool;
    tool.begin();
    return app.exec();
}
