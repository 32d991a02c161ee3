#include "platform/wayland/swaybindings.h"

#include "platform/wayland/swayipc.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcSwayBindings, "ringle.wayland.sway")

constexpr std::chrono::milliseconds commandTimeout{1000};
// Lines of a ledger worth reading; a damaged one is not followed further.
constexpr int maxLedgerLines = 64;

QString line(const SwayBindings::Combination &c, const QStringList &extraFlags)
{
    QStringList words{c.command};
    words += extraFlags;
    words += c.flags;
    words.append(c.keys);
    return words.join(u' ');
}

bool isKeyboard(const SwayBindings::Combination &c)
{
    return c.command == u"bindcode" || !c.keys.contains(u"button", Qt::CaseInsensitive);
}
} // namespace

QString SwayBindings::ledgerPath(const QString &swaySocket)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray hash = QCryptographicHash::hash(swaySocket.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return runtime + u"/ringle/sway-bindings-"_qs + QString::fromLatin1(hash);
}

QStringList SwayBindings::modifierNames(KeyModifiers modifiers)
{
    QStringList names;
    if (modifiers.contains(KeyModifiers::shift))
        names.append(u"Shift"_qs);
    if (modifiers.contains(KeyModifiers::control))
        names.append(u"Ctrl"_qs);
    if (modifiers.contains(KeyModifiers::option))
        names.append(u"Mod1"_qs);
    if (modifiers.contains(KeyModifiers::command))
        names.append(u"Mod4"_qs);
    return names;
}

SwayBindings::SwayBindings(SwayIpc &sway, QString ledgerPath, QObject *parent)
    : QObject(parent)
    , m_sway(sway)
    , m_ledger(std::move(ledgerPath))
    , m_prefix(u"ringle-"_qs + QString::number(QCoreApplication::applicationPid()))
{
    connect(&sway, &SwayIpc::bindingTriggered, this, [this](const QString &command) {
        // "nop ringle-<pid> <tag> press"
        const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
        if (words.size() != 4 || words.at(0) != u"nop" || words.at(1) != m_prefix || !m_bound.contains(words.at(2)))
            return;
        if (words.at(3) == u"press" || words.at(3) == u"release")
            Q_EMIT triggered(words.at(2), words.at(3) == u"press");
    });
    connect(&sway, &SwayIpc::configReloaded, this, &SwayBindings::reAddAll);
}

SwayBindings::~SwayBindings()
{
    removeAll();
}

QStringList SwayBindings::commandsFor(const QString &tag, const Combination &c) const
{
    const QString nop = u" nop "_qs + m_prefix + u' ' + tag;
    // Without --no-repeat a held key reports a press for every repeat.
    const QStringList pressFlags = isKeyboard(c) ? QStringList{u"--no-repeat"_qs} : QStringList{};
    return {line(c, pressFlags) + nop + u" press"_qs, line(c, {u"--release"_qs}) + nop + u" release"_qs};
}

QStringList SwayBindings::undoFor(const Combination &c) const
{
    Combination undo = c;
    undo.command = u"un"_qs + c.command;
    return {line(undo, {}), line(undo, {u"--release"_qs})};
}

bool SwayBindings::run(const QStringList &commands)
{
    bool ok = true;
    for (const QString &command : commands) {
        const QList<SwayIpc::CommandResult> results = m_sway.runCommand(command, commandTimeout);
        if (results.isEmpty() || !results.first().success) {
            qCWarning(lcSwayBindings).noquote() << "sway refused" << command << ":"
                                                << (results.isEmpty() ? u"no answer"_qs : results.first().error);
            ok = false;
        }
    }
    return ok;
}

void SwayBindings::removeLeftovers()
{
    QFile file(m_ledger);
    if (!file.open(QIODevice::ReadOnly))
        return;
    int count = 0;
    while (!file.atEnd() && count++ < maxLedgerLines) {
        const QString undo = QString::fromUtf8(file.readLine(4096)).trimmed();
        // Only the unbind commands this class writes are ever run from the file.
        if (undo.startsWith(u"unbindcode ") || undo.startsWith(u"unbindsym "))
            m_sway.runCommand(undo, commandTimeout);
    }
    file.close();
    QFile::remove(m_ledger);
}

bool SwayBindings::add(const QString &tag, const Combination &combination)
{
    remove(tag);
    if (!run(commandsFor(tag, combination))) {
        // Half a binding would report presses that never end.
        for (const QString &undo : undoFor(combination))
            m_sway.runCommand(undo, commandTimeout);
        return false;
    }
    m_bound.insert(tag, combination);
    writeLedger();
    return true;
}

void SwayBindings::remove(const QString &tag)
{
    const auto it = m_bound.constFind(tag);
    if (it == m_bound.cend())
        return;
    for (const QString &undo : undoFor(*it))
        m_sway.runCommand(undo, commandTimeout);
    m_bound.erase(it);
    writeLedger();
}

void SwayBindings::removeAll()
{
    const QStringList tags = m_bound.keys();
    for (const QString &tag : tags)
        remove(tag);
}

void SwayBindings::reAddAll()
{
    qCInfo(lcSwayBindings) << "sway reloaded its configuration: adding Ringle's bindings again";
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it)
        run(commandsFor(it.key(), it.value()));
}

void SwayBindings::writeLedger() const
{
    if (m_bound.isEmpty()) {
        QFile::remove(m_ledger);
        return;
    }
    QDir().mkpath(QFileInfo(m_ledger).absolutePath());
    QSaveFile file(m_ledger);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const Combination &c : m_bound) {
        for (const QString &undo : undoFor(c))
            file.write(undo.toUtf8() + '\n');
    }
    file.commit();
}
