#include "platform/wayland/swayipc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcSwayIpc, "ringle.wayland.sway")

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr qsizetype kHeaderSize = sizeof kMagic + 2 * sizeof(quint32);
// A tree of hundreds of windows is a few MiB; more is a broken peer.
constexpr quint32 kMaxPayload = 64u << 20;
constexpr int kMaxTreeDepth = 256;
// Keeps QRect's arithmetic clear of overflow whatever the peer sends.
constexpr qint64 kMaxCoordinate = 1 << 24;

enum class Status { ok, timeout, closed, malformed };

int millisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<qint64>(left, 0, INT_MAX));
}

// Whether `fd` became ready before the deadline; a hang-up counts as ready so the read sees it.
bool waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, millisecondsLeft(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

int connectTo(const QString &path, Clock::time_point deadline)
{
    const QByteArray native = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || size_t(native.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    int error = errno;
    if (error == EINPROGRESS && waitFor(fd, POLLOUT, deadline)) {
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
            return fd;
    }
    ::close(fd);
    return -1;
}

QByteArray frame(quint32 type, const QByteArray &payload)
{
    const quint32 length = quint32(payload.size());
    QByteArray message(kMagic, sizeof kMagic);
    message.append(reinterpret_cast<const char *>(&length), sizeof length);
    message.append(reinterpret_cast<const char *>(&type), sizeof type);
    return message + payload;
}

Status writeAll(int fd, const QByteArray &data, Clock::time_point deadline)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + written, size_t(data.size() - written), MSG_NOSIGNAL);
        if (n > 0) {
            written += n;
        } else if (errno == EAGAIN || errno == EINTR) {
            if (!waitFor(fd, POLLOUT, deadline))
                return Status::timeout;
        } else {
            return Status::closed;
        }
    }
    return Status::ok;
}

// Appends exactly `count` bytes to `out`, growing it only as they arrive.
Status readExactly(int fd, QByteArray &out, qsizetype count, Clock::time_point deadline)
{
    char chunk[64 * 1024];
    while (count > 0) {
        const ssize_t n = ::recv(fd, chunk, size_t(std::min<qsizetype>(count, sizeof chunk)), 0);
        if (n > 0) {
            out.append(chunk, n);
            count -= n;
        } else if (n == 0) {
            return Status::closed;
        } else if (errno == EAGAIN || errno == EINTR) {
            if (!waitFor(fd, POLLIN, deadline))
                return Status::timeout;
        } else {
            return Status::closed;
        }
    }
    return Status::ok;
}

struct Header {
    quint32 length = 0;
    quint32 type = 0;
};

std::optional<Header> parseHeader(const char *data)
{
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    Header header;
    std::memcpy(&header.length, data + sizeof kMagic, sizeof header.length);
    std::memcpy(&header.type, data + sizeof kMagic + sizeof header.length, sizeof header.type);
    if (header.length > kMaxPayload)
        return std::nullopt;
    return header;
}

Status exchange(int fd, quint32 type, const QByteArray &payload, Clock::time_point deadline,
                QByteArray &reply)
{
    if (const Status sent = writeAll(fd, frame(type, payload), deadline); sent != Status::ok)
        return sent;
    QByteArray head;
    if (const Status read = readExactly(fd, head, kHeaderSize, deadline); read != Status::ok)
        return read;
    const std::optional<Header> header = parseHeader(head.constData());
    if (!header || header->type != type)
        return Status::malformed;
    return readExactly(fd, reply, header->length, deadline);
}

std::optional<QJsonValue> parseJson(const QByteArray &payload)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    if (document.isArray())
        return QJsonValue(document.array());
    return QJsonValue(document.object());
}

int coordinate(const QJsonValue &value, qint64 low)
{
    return int(std::clamp<qint64>(value.toInteger(), low, kMaxCoordinate));
}

QRect parseRect(const QJsonValue &value)
{
    const QJsonObject rect = value.toObject();
    return QRect(coordinate(rect.value(u"x"), -kMaxCoordinate), coordinate(rect.value(u"y"), -kMaxCoordinate),
                 coordinate(rect.value(u"width"), 0), coordinate(rect.value(u"height"), 0));
}

std::optional<SwayWindow> parseView(const QJsonObject &node)
{
    const bool hasProperties = node.value(u"window_properties").isObject();
    if (!node.contains(u"pid") || !(node.contains(u"app_id") || hasProperties))
        return std::nullopt;
    SwayWindow window;
    window.pid = node.value(u"pid").toInteger();
    window.id = node.value(u"id").toInteger();
    window.appId = node.value(u"app_id").toString();
    if (window.appId.isEmpty() && hasProperties)
        window.appId = node.value(u"window_properties").toObject().value(u"class").toString();
    window.rect = parseRect(node.value(u"rect"));
    window.windowRect = parseRect(node.value(u"window_rect"));
    window.xwayland = node.value(u"shell").toString() == u"xwayland";
    window.name = node.value(u"name").toString();
    return window;
}

// The views below `node`, or only the first focused one.
void collectViews(const QJsonObject &node, int depth, bool focusedOnly, QList<SwayWindow> &out)
{
    if (depth > kMaxTreeDepth || (focusedOnly && !out.isEmpty()))
        return;
    if (const std::optional<SwayWindow> view = parseView(node);
        view && (!focusedOnly || node.value(u"focused").toBool()))
        out.append(*view);
    for (const char16_t *children : {u"nodes", u"floating_nodes"}) {
        for (const QJsonValue child : node.value(children).toArray())
            collectViews(child.toObject(), depth + 1, focusedOnly, out);
    }
}

QList<SwayWindow> views(const std::optional<QJsonValue> &tree, bool focusedOnly)
{
    QList<SwayWindow> out;
    if (tree)
        collectViews(tree->toObject(), 0, focusedOnly, out);
    return out;
}

} // namespace

QString SwayIpc::socketPath()
{
    return qEnvironmentVariable("SWAYSOCK");
}

QString SwayIpc::quoted(const QString &word)
{
    const bool plain = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return c.isLetterOrNumber() || QStringView(u"_-+./:=@%").contains(c);
    });
    if (plain)
        return word;
    QString out = u"\""_qs;
    for (const QChar c : word) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        // A line break would end the command; nothing a user means needs one.
        out += c.unicode() < 0x20 ? QChar(u' ') : c;
    }
    return out + u'"';
}

SwayIpc::SwayIpc(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_path(std::move(socketPath))
{
}

SwayIpc::~SwayIpc()
{
    closeAll();
}

bool SwayIpc::open(std::chrono::milliseconds timeout)
{
    closeAll();
    m_lost = false;
    const Clock::time_point deadline = Clock::now() + timeout;
    m_requestFd = connectTo(m_path, deadline);
    m_eventFd = connectTo(m_path, deadline);
    QByteArray reply;
    const QByteArray events = R"(["binding","workspace","window","shutdown"])";
    const bool subscribed = m_requestFd >= 0 && m_eventFd >= 0
        && exchange(m_eventFd, Subscribe, events, deadline, reply) == Status::ok
        && parseJson(reply).value_or(QJsonValue()).toObject().value(u"success").toBool();
    if (!subscribed) {
        qCInfo(lcSwayIpc) << "sway does not answer at" << m_path;
        closeAll();
        return false;
    }
    m_eventNotifier = new QSocketNotifier(m_eventFd, QSocketNotifier::Read, this);
    connect(m_eventNotifier, &QSocketNotifier::activated, this, &SwayIpc::readEvents);
    return true;
}

std::optional<QJsonValue> SwayIpc::request(quint32 type, const QByteArray &payload,
                                           std::chrono::milliseconds timeout)
{
    if (m_lost)
        return std::nullopt;
    const Clock::time_point deadline = Clock::now() + timeout;
    if (m_requestFd < 0)
        m_requestFd = connectTo(m_path, deadline);
    if (m_requestFd < 0)
        return std::nullopt;
    QByteArray reply;
    const Status status = exchange(m_requestFd, type, payload, deadline, reply);
    switch (status) {
    case Status::ok:
        if (std::optional<QJsonValue> value = parseJson(reply))
            return value;
        qCWarning(lcSwayIpc) << "sway's reply to message" << type << "is not JSON";
        return std::nullopt;
    case Status::timeout:
    case Status::malformed:
        qCWarning(lcSwayIpc).nospace() << "sway's reply to message " << type
                                       << (status == Status::timeout ? " did not come in time"
                                                                     : " is not framed as expected");
        // A late or misread reply would be taken for the next one's: start over on a fresh connection.
        closeRequestSocket();
        return std::nullopt;
    case Status::closed:
        qCInfo(lcSwayIpc) << "sway closed the connection";
        lose(true);
        return std::nullopt;
    }
    return std::nullopt;
}

QList<SwayIpc::CommandResult> SwayIpc::runCommand(const QString &command, std::chrono::milliseconds timeout)
{
    QList<CommandResult> results;
    const QJsonArray reply = request(RunCommand, command.toUtf8(), timeout).value_or(QJsonValue()).toArray();
    for (const QJsonValue entry : reply) {
        const QJsonObject object = entry.toObject();
        results.append({object.value(u"success").toBool(), object.value(u"error").toString()});
    }
    return results;
}

std::optional<SwayWindow> SwayIpc::focusedWindow(std::chrono::milliseconds timeout)
{
    const QList<SwayWindow> focused = views(request(GetTree, {}, timeout), true);
    return focused.isEmpty() ? std::nullopt : std::optional(focused.first());
}

QList<SwayWindow> SwayIpc::windows(std::chrono::milliseconds timeout)
{
    return views(request(GetTree, {}, timeout), false);
}

std::optional<QRect> SwayIpc::usableArea(const QString &outputName, std::chrono::milliseconds timeout)
{
    for (const QJsonValue entry : request(GetWorkspaces, {}, timeout).value_or(QJsonValue()).toArray()) {
        const QJsonObject workspace = entry.toObject();
        if (workspace.value(u"output").toString() == outputName && workspace.value(u"visible").toBool())
            return parseRect(workspace.value(u"rect"));
    }
    return std::nullopt;
}

std::optional<QString> SwayIpc::configText(std::chrono::milliseconds timeout)
{
    const QJsonValue config =
        request(GetConfig, {}, timeout).value_or(QJsonValue()).toObject().value(u"config");
    if (!config.isString())
        return std::nullopt;
    return config.toString();
}

void SwayIpc::readEvents()
{
    char chunk[64 * 1024];
    bool closed = false;
    // A bounded number of reads per wake-up, so a flood cannot starve the rest of the loop.
    for (int reads = 0; reads < 16; ++reads) {
        const ssize_t n = ::recv(m_eventFd, chunk, sizeof chunk, 0);
        if (n > 0) {
            m_eventBuffer.append(chunk, n);
            continue;
        }
        closed = n == 0 || (errno != EAGAIN && errno != EINTR);
        break;
    }

    QList<std::pair<quint32, QByteArray>> messages;
    bool garbage = false;
    qsizetype offset = 0;
    while (m_eventBuffer.size() - offset >= kHeaderSize) {
        const std::optional<Header> header = parseHeader(m_eventBuffer.constData() + offset);
        if (!header) {
            garbage = true;
            break;
        }
        if (m_eventBuffer.size() - offset - kHeaderSize < qsizetype(header->length))
            break;
        messages.append({header->type, m_eventBuffer.mid(offset + kHeaderSize, header->length)});
        offset += kHeaderSize + header->length;
    }
    m_eventBuffer.remove(0, offset);

    // A slot may delete this object or open it again; then the rest is no longer ours to handle.
    const QPointer<SwayIpc> alive(this);
    const quint64 generation = m_generation;
    for (const auto &[type, payload] : std::as_const(messages)) {
        dispatchEvent(type, payload);
        if (!alive || m_generation != generation)
            return;
    }
    if (garbage) {
        qCWarning(lcSwayIpc) << "sway's event stream is not framed as expected; dropping the connection";
        lose(false);
    } else if (closed) {
        qCInfo(lcSwayIpc) << "sway closed the event connection";
        lose(false);
    }
}

void SwayIpc::dispatchEvent(quint32 type, const QByteArray &payload)
{
    const std::optional<QJsonValue> json = parseJson(payload);
    if (!json || !json->isObject()) {
        qCWarning(lcSwayIpc) << "Ignoring an event of type" << Qt::hex << type << "that is not a JSON object";
        return;
    }
    const QJsonObject event = json->toObject();
    const QString change = event.value(u"change").toString();
    switch (type) {
    case BindingEvent:
        if (change == u"run") {
            const QJsonObject binding = event.value(u"binding").toObject();
            Q_EMIT bindingTriggered(binding.value(u"command").toString(),
                                    binding.value(u"input_type").toString());
        }
        break;
    case WorkspaceEvent:
        if (change == u"reload")
            Q_EMIT configReloaded();
        break;
    case WindowEvent:
        if (change == u"focus") {
            if (const std::optional<SwayWindow> window = parseView(event.value(u"container").toObject()))
                Q_EMIT focusChanged(*window);
        }
        break;
    case ShutdownEvent:
        lose(false);
        break;
    default:
        break;
    }
}

void SwayIpc::closeRequestSocket()
{
    if (m_requestFd >= 0)
        ::close(m_requestFd);
    m_requestFd = -1;
}

void SwayIpc::closeAll()
{
    ++m_generation;
    closeRequestSocket();
    // Often called from the notifier's own signal.
    if (m_eventNotifier) {
        m_eventNotifier->setEnabled(false);
        m_eventNotifier->deleteLater();
        m_eventNotifier = nullptr;
    }
    if (m_eventFd >= 0)
        ::close(m_eventFd);
    m_eventFd = -1;
    m_eventBuffer.clear();
}

void SwayIpc::lose(bool later)
{
    closeAll();
    if (m_lost)
        return;
    m_lost = true;
    if (later)
        QMetaObject::invokeMethod(this, [this] { Q_EMIT disconnected(); }, Qt::QueuedConnection);
    else
        Q_EMIT disconnected();
}
