// A separate clipboard owner and reader over Wayland data-control, for tests, driven over
// stdin/stdout with one reply per line. Contents travel as JSON arrays of [type, base64 data]
// pairs, in order.
//   own <json>     take the clipboard with these formats                  -> ok
//   dump           read every type the selection offers, in offered order, but the X11 selection
//                  protocol's own targets that GTK lists and never serves -> dump <json>
//   owner          whether this process owns the clipboard                -> owner yes|no
//   types          the offered types, unread                              -> types <json strings>
//   clear          empty the clipboard                                    -> ok
//   freeze <ms>    reply ok, then stop answering anyone (the main thread sleeps)
//   quit
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include "commandqueue.h"
#include "datacontrol.h"
#include "transfer.h"
#include "waylandtoolconnection.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {
constexpr int readTimeoutMs = 2000;

struct Globals {
    wl_seat *seat = nullptr;
    DataControl::Global ext;
    DataControl::Global wlr;

    ~Globals()
    {
        if (seat)
            wl_seat_destroy(seat);
    }
};

const wl_registry_listener registryListener = {
    .global =
        [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
            auto *globals = static_cast<Globals *>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
                globals->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
            else if (std::strcmp(interface, "ext_data_control_manager_v1") == 0)
                globals->ext = {name, version};
            else if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0)
                globals->wlr = {name, version};
        },
    .global_remove = [](void *, wl_registry *, uint32_t) {},
};

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
        const auto bytes =
            QByteArray::fromBase64Encoding(p.at(1).toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes)
            return std::nullopt;
        contents.append({p.at(0).toString().toUtf8(), *bytes});
    }
    return contents;
}

QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

class ClipboardTool final {
public:
    explicit ClipboardTool(WaylandConnection &connection)
        : m_connection(connection)
    {}

    void setControl(DataControl *control) { m_control = control; }
    QObject *transfers() { return &m_transfers; }

private:
    void run(const QByteArray &line)
    {
        const auto [command, rest] = splitCommand(line);
        if (command == "quit")
            return QCoreApplication::quit();
        if (command == "freeze") {
            bool ok = false;
            const int ms = rest.trimmed().toInt(&ok);
            if (!ok || ms < 0 || ms > 60000)
                return m_queue.reply("error freeze takes 0 to 60000 milliseconds");
            m_queue.reply("ok");
            QThread::msleep(ulong(ms));
            return;
        }
        if (command == "own") {
            const std::optional<Contents> contents = parseContents(rest);
            if (!contents)
                return m_queue.reply("error own takes a JSON array of [type, base64] pairs");
            m_control->own(*contents);
        } else if (command == "clear") {
            m_control->clear();
        } else if (command != "dump" && command != "owner" && command != "types") {
            return m_queue.reply("error unknown command " + command);
        }
        // Every answer reflects what the compositor knew when the command came.
        if (!m_connection.roundtrip())
            return m_queue.reply("error the compositor did not answer within 5 s");
        if (command == "owner")
            return m_queue.reply(m_control->owns() ? "owner yes" : "owner no");
        const std::shared_ptr<SelectionOffer> offer = m_control->selection();
        if (command == "types") {
            QJsonArray types;
            for (const QByteArray &type : offer ? offer->types : QList<QByteArray>())
                types.append(QString::fromUtf8(type));
            return m_queue.reply("types " + compact(types));
        }
        if (command == "dump")
            return dump(offer, offer ? offer->types : QList<QByteArray>(), {});
        m_queue.reply("ok");
    }

    // Reads the types one after another; the offer is held so a new selection cannot end it.
    void dump(const std::shared_ptr<SelectionOffer> &offer, QList<QByteArray> types, QJsonArray formats)
    {
        static const QList<QByteArray> protocolTargets{"SAVE_TARGETS", "TARGETS", "MULTIPLE", "TIMESTAMP", "DELETE", "INCR"};
        types.removeIf([](const QByteArray &type) { return protocolTargets.contains(type); });
        if (types.isEmpty())
            return m_queue.reply("dump " + compact(formats));
        const QByteArray type = types.takeFirst();
        int fds[2];
        // Only our end is non-blocking: the owner gets a plain pipe.
        if (pipe2(fds, O_CLOEXEC) < 0)
            return m_queue.reply(QByteArray("error cannot make a pipe: ") + std::strerror(errno));
        offer->receive(type, fds[1]);
        ::close(fds[1]);
        m_connection.flush();
        new PipeReader(
            fds[0], readTimeoutMs,
            [this, offer, type, types, formats](const QByteArray &bytes, const QByteArray &error) mutable {
                if (!error.isEmpty())
                    return m_queue.reply("error reading " + type + ": " + error);
                formats.append(QJsonArray{QString::fromUtf8(type), QString::fromLatin1(bytes.toBase64())});
                dump(offer, types, formats);
            },
            &m_transfers);
    }

    WaylandConnection &m_connection;
    DataControl *m_control = nullptr;
    QObject m_transfers;
    CommandQueue m_queue{[this](const QByteArray &line) { run(line); }};
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // A reader that goes away mid-transfer must not end the owner.
    std::signal(SIGPIPE, SIG_IGN);
    WaylandConnection connection;
    if (!connection.alive())
        return 1;
    Globals globals;
    const std::unique_ptr<wl_registry, void (*)(wl_registry *)> registry(wl_display_get_registry(connection.display()),
                                                                         wl_registry_destroy);
    wl_registry_add_listener(registry.get(), &registryListener, &globals);
    if (!connection.roundtrip())
        return 1;
    if (!globals.seat) {
        std::fprintf(stderr, "waylandclipboardtool: the compositor offers no seat\n");
        return 1;
    }
    ClipboardTool tool(connection);
    const std::unique_ptr<DataControl> control = DataControl::create(
        registry.get(), globals.ext, globals.wlr, globals.seat,
        {.serve = [&tool](const QByteArray &bytes, int fd) { new PipeWriter(bytes, fd, tool.transfers()); },
         .lost = [&connection] { connection.fail("the compositor took the clipboard device away"); }});
    if (!control) {
        std::fprintf(stderr, "waylandclipboardtool: the compositor offers no data-control\n");
        return 1;
    }
    tool.setControl(control.get());
    // Also brings the current selection.
    if (!connection.roundtrip())
        return 1;
    replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    return app.exec();
}
