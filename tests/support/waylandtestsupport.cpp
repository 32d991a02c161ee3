#include "waylandtestsupport.h"

#include "ringleprocess.h"
#include "testrings.h"
#include "wheelgestures.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

namespace TestSupport {
namespace {
// Between holding the keys of a gesture and moving, in ms.
constexpr int openWait = 400;

QJsonDocument swayTree()
{
    QProcess swaymsg;
    swaymsg.start(u"swaymsg"_qs, {u"-r"_qs, u"-t"_qs, u"get_tree"_qs});
    if (!swaymsg.waitForFinished(5000))
        return {};
    return QJsonDocument::fromJson(swaymsg.readAllStandardOutput());
}

std::optional<QJsonObject> focusedNode(const QJsonObject &node)
{
    if (node.value(u"focused"_qs).toBool() && node.contains(u"pid"_qs))
        return node;
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            if (const std::optional<QJsonObject> found = focusedNode(child.toObject()))
                return found;
        }
    }
    return std::nullopt;
}

const QString shellTest = u"org.ringle.ShellTest"_qs;

// A method of GNOME Shell's test helper; the reply, or an error message.
QDBusMessage shellTestCall(const QString &method, const QVariantList &arguments = {}, int timeoutMs = 5000)
{
    QDBusMessage call = QDBusMessage::createMethodCall(shellTest, u"/org/ringle/ShellTest"_qs, shellTest, method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning().noquote() << "GNOME Shell's test helper:" << method << "->" << reply.errorMessage();
    return reply;
}

void gnomeScreenshot(const QString &target)
{
    // The shell writes as its own user: into a directory anyone may write, then moved where it belongs.
    QTemporaryDir dir(QDir::tempPath() + u"/ringle-shot-XXXXXX"_qs);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeOther);
    const QString shot = dir.filePath(u"shot.png"_qs);
    if (shellTestCall(u"Screenshot"_qs, {shot}, 20000).type() != QDBusMessage::ReplyMessage)
        return;
    QFile::remove(target);
    if (!QFile::copy(shot, target))
        qWarning().noquote() << "cannot keep the screenshot as" << target;
}

QRect rectOf(const QJsonObject &rect)
{
    return QRect(rect.value(u"x"_qs).toInt(), rect.value(u"y"_qs).toInt(), rect.value(u"width"_qs).toInt(),
                 rect.value(u"height"_qs).toInt());
}
} // namespace

bool WaylandInput::start()
{
    return m_process.start(programPath(u"waylandinput"_qs));
}

bool WaylandInput::send(const QString &command)
{
    const QByteArray reply = m_process.request(command.toUtf8());
    if (reply != "ok")
        qWarning().noquote() << "waylandinput:" << command << "->" << reply;
    return reply == "ok";
}

bool WaylandInput::shortcutGesture(const QString &combo, QPoint at, int dx, int dy)
{
    // The wheel opens within a frame or two, later on a busy machine; it must be open to follow.
    return send(u"move %1 %2"_qs.arg(at.x()).arg(at.y())) && send(u"hold "_qs + combo) && send(u"wait %1"_qs.arg(openWait))
        && send(u"moveby %1 %2"_qs.arg(dx).arg(dy)) && send(u"wait 150"_qs) && send(u"release "_qs + combo)
        && sync();
}

bool WaylandInput::mouseGesture(const QString &modifiers, int button, QPoint at, int dx, int dy)
{
    return send(u"move %1 %2"_qs.arg(at.x()).arg(at.y())) && send(u"hold "_qs + modifiers)
        && send(u"buttondown %1"_qs.arg(button)) && send(u"wait %1"_qs.arg(openWait)) && send(u"moveby %1 %2"_qs.arg(dx).arg(dy))
        && send(u"wait 150"_qs) && send(u"buttonup %1"_qs.arg(button)) && send(u"release "_qs + modifiers) && sync();
}

std::optional<SwayFocus> swayFocus()
{
    const std::optional<QJsonObject> node = focusedNode(swayTree().object());
    if (!node)
        return std::nullopt;
    SwayFocus focus;
    focus.appId = node->value(u"app_id"_qs).toString();
    if (focus.appId.isEmpty())
        focus.appId = node->value(u"window_properties"_qs).toObject().value(u"class"_qs).toString();
    focus.pid = node->value(u"pid"_qs).toInteger();
    const QRect outer = rectOf(node->value(u"rect"_qs).toObject());
    const QRect inner = rectOf(node->value(u"window_rect"_qs).toObject());
    focus.content = inner.translated(outer.topLeft());
    return focus;
}

bool waitUntilSwayFocuses(qint64 pid, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const std::optional<SwayFocus> focus = swayFocus();
        if (focus && focus->pid == pid)
            return true;
        if (focus)
            swayCommand(u"[pid=%1] focus"_qs.arg(pid));
        QTest::qWait(50);
    }
    qWarning() << "sway never focused process" << pid;
    return false;
}

bool swayCommand(const QString &command)
{
    QProcess swaymsg;
    swaymsg.start(u"swaymsg"_qs, {command});
    return swaymsg.waitForFinished(5000) && swaymsg.exitCode() == 0;
}

bool underGnomeShell()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(shellTest).value();
}

std::optional<ShellFocus> gnomeFocus()
{
    const QVariantList values = shellTestCall(u"FocusedWindow"_qs).arguments();
    if (values.size() != 3 || values.at(2).toLongLong() == 0)
        return std::nullopt;
    const qint64 pid = values.at(2).toLongLong();
    const QVariantList rect = shellTestCall(u"WindowRect"_qs, {int(pid)}).arguments();
    const QRect frame = rect.size() == 4 ? QRect(rect.at(0).toInt(), rect.at(1).toInt(), rect.at(2).toInt(),
                                                 rect.at(3).toInt())
                                         : QRect();
    return ShellFocus{values.at(0).toString(), values.at(1).toString(), pid, frame};
}

bool waitUntilShellFocuses(qint64 pid, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const std::optional<ShellFocus> focus = gnomeFocus();
        if (focus && focus->pid == pid)
            return true;
        shellTestCall(u"FocusWindow"_qs, {int(pid)});
        QTest::qWait(50);
    }
    qWarning() << "GNOME Shell never focused process" << pid;
    return false;
}

bool waitUntilEditorFocused(LineProcess &editor, int timeoutMs)
{
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        return waitUntilSwayFocuses(editor.pid(), timeoutMs);
    // Mutter lets a window take the focus only with a token from recent input: the shell gives it.
    const bool gnome = underGnomeShell();
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (editor.request("active") == "active 1")
            return true;
        if (gnome)
            shellTestCall(u"FocusWindow"_qs, {int(editor.pid())});
        else
            editor.request("activate");
        QTest::qWait(50);
    }
    qWarning() << "the test editor never had the keyboard";
    return false;
}

std::unique_ptr<LineProcess> waylandEditorWith(const QString &text, int from, int to)
{
    auto editor = std::make_unique<LineProcess>();
    if (!editor->start(programPath(u"testeditor"_qs), {u"--title"_qs, QString::fromLatin1(QTest::currentTestFunction())})
        || !waitUntilEditorFocused(*editor) || !setAndSelect(*editor, text, from, to))
        return nullptr;
    return editor;
}

std::unique_ptr<LineProcess> waylandEditorAndRingle(RingleProcess &ringle)
{
    auto editor = waylandEditorWith(typo, 2, 2);
    if (!editor || !useTestRing(ringle) || !ringle.start())
        return nullptr;
    return editor;
}

void waylandScreenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("RINGLE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        QProcess::execute(u"grim"_qs, {dir + u'/' + name});
    else if (underGnomeShell())
        gnomeScreenshot(dir + u'/' + name);
    else
        QProcess::execute(programPath(u"kwinscreenshot"_qs), {dir + u'/' + name});
}
} // namespace TestSupport
