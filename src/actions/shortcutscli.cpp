#include "actions/shortcutscli.h"

#include "base/ringleerror.h"
#include "actions/shortcutlisting.h"
#include "actions/toolprocess.h"
#include "ai/answercleaning.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcShortcuts, "ringle.shortcuts", QtInfoMsg)

namespace {
[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

// The folder of one run. It holds the user's selected text, so only the user may enter it; it is
// removed when the run ends, however it ends.
class RunFolder final {
public:
    RunFolder()
        : m_path(QDir::temp().filePath(QStringLiteral("ringle-")
                                       + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()))
    {
        QDir().mkpath(QDir::tempPath());
        if (::mkdir(QFile::encodeName(m_path).constData(), 0700) != 0)
            fail(ShortcutsCLI::tr("Couldn't create the folder %1: %2.")
                     .arg(m_path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    ~RunFolder() { QDir(m_path).removeRecursively(); }
    RunFolder(const RunFolder &) = delete;
    RunFolder &operator=(const RunFolder &) = delete;

    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

private:
    QString m_path;
};

void writeInput(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        fail(ShortcutsCLI::tr("Couldn't write %1: %2.").arg(path, file.errorString()));
}

// The output file as text; none when it is missing, not UTF-8, or blank.
std::optional<QString> readOutput(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > ShortcutsCLI::outputCap)
        throw RingleError::shortcutFailed(
            ShortcutsCLI::tr("its output is larger than %1 MB.").arg(ShortcutsCLI::outputCap / (1024 * 1024)));
    const QByteArray data = file.read(ShortcutsCLI::outputCap + 1);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError() || data.size() > ShortcutsCLI::outputCap)
        return std::nullopt;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}
} // namespace

ShortcutsCLI::ShortcutsCLI(QString program, QObject *parent)
    : QObject(parent)
    , m_program(std::move(program))
{
}

ShortcutsCLI::~ShortcutsCLI()
{
    // Ending a child finishes its run at once (its folder goes, its caller hears of the failure),
    // so nothing is left waiting on a process that no longer has a reader.
    const QList<ToolProcess *> running = m_running;
    for (ToolProcess *tool : running) {
        qCInfo(lcShortcuts) << "ending a shortcut that is still running";
        tool->endNow(quitGrace);
    }
}

QString ShortcutsCLI::locateTool()
{
    const QString name = QString::fromLatin1(toolName);
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}

QCoro::Task<std::optional<QString>> ShortcutsCLI::run(QString id, std::optional<QString> input)
{
    const RunFolder folder;
    QStringList arguments{QStringLiteral("run"), id};
    if (input) {
        const QString inputPath = folder.filePath(QStringLiteral("input.txt"));
        writeInput(inputPath, *input);
        arguments << QStringLiteral("--input-path") << inputPath;
    }
    const QString outputPath = folder.filePath(QStringLiteral("output.txt"));
    arguments << QStringLiteral("--output-path") << outputPath << QStringLiteral("--output-type")
              << QStringLiteral("public.plain-text");

    const Outcome outcome = co_await execute(arguments, errorCap);
    if (outcome.status != 0) {
        const QString message = outcome.error.trimmed();
        qCDebug(lcShortcuts) << "the shortcut failed with status" << outcome.status;
        throw RingleError::shortcutFailed(message.isEmpty() ? ShortcutsCLI::tr("unknown error") : message);
    }
    const std::optional<QString> output = readOutput(outputPath);
    if (!output || !input)
        co_return output;
    // A shortcut that changes one selected line keeps the line's indentation and line break.
    co_return AnswerCleaning::leadingWhitespace(*input) + *output + AnswerCleaning::trailingWhitespace(*input);
}

QCoro::Task<QList<ShortcutFolder>> ShortcutsCLI::folders()
{
    // The exit status is not looked at: a listing that failed lists nothing.
    const QStringList allShortcuts{QStringLiteral("list"), QStringLiteral("--show-identifiers")};
    const QStringList folderNames{QStringLiteral("list"), QStringLiteral("--folders")};
    const Outcome all = co_await execute(allShortcuts, listingCap);
    const Outcome names = co_await execute(folderNames, listingCap);
    QList<ShortcutFolder> listed;
    for (const QString &name : parseFolderNames(names.output)) {
        const QStringList arguments{QStringLiteral("list"), QStringLiteral("--folder-name"), name,
                                    QStringLiteral("--show-identifiers")};
        const Outcome folder = co_await execute(arguments, listingCap);
        listed.append(ShortcutFolder{name, parseShortcutListing(folder.output)});
    }
    co_return groupShortcutFolders(parseShortcutListing(all.output), listed);
}

QCoro::Task<ShortcutsCLI::Outcome> ShortcutsCLI::execute(QStringList arguments, qsizetype outputCap)
{
    auto *tool = new ToolProcess(outputCap, errorCap, this);
    m_running.append(tool);
    tool->start(m_program, arguments);
    co_await tool->ending();
    m_running.removeAll(tool);
    // Not deleted here: this runs inside the tool's own signal.
    tool->deleteLater();
    if (tool->failedToStart())
        fail(ShortcutsCLI::tr("Couldn't start %1: %2.").arg(m_program, tool->errorString()));
    // Invalid UTF-8 is replaced, not refused: a message with one bad byte is still worth showing.
    co_return Outcome{tool->exitStatus(), QString::fromUtf8(tool->output()), QString::fromUtf8(tool->error())};
}
