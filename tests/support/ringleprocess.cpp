#include "ringleprocess.h"

#include "testsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QTest>

#include <csignal>

namespace TestSupport {
QString RingleProcess::appPath()
{
    // A session may run a copy of its own (KWin's grants go by the executable).
    if (const QString app = qEnvironmentVariable("RINGLE_APP"); !app.isEmpty())
        return app;
    return QDir(qEnvironmentVariable("RINGLE_BUILD_DIR")).filePath(QStringLiteral("src/app/ringle"));
}

RingleProcess::RingleProcess()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_data.path());
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("ringle.resultpanel.debug=true;ringle.resultpanel.window.debug=true;"
                                      "ringle.controller.debug=true;ringle.wheel.debug=true;ringle.wheel.overlay.debug=true;"
                                      "ringle.tray.debug=true;ringle.ask.debug=true;ringle.settings.debug=true;ringle.settings.wheel.debug=true;"
                                      "ringle.globalshortcuts.debug=true;ringle.x11.mousetap.debug=true"));
    // Seconds since the app started, then the line, so that latencies can be read off the transcript.
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time process} %{category}: %{message}"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_process, &QProcess::readyRead, [this] { readOutput(); });
}

RingleProcess::~RingleProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        finishOrKill(m_process, 3000);
    }
}

bool RingleProcess::configure(const QString &key, const QString &value)
{
    QProcess config;
    config.setProcessEnvironment(m_process.processEnvironment());
    config.start(appPath(), {QStringLiteral("config"), QStringLiteral("set"), key, value});
    return config.waitForFinished(15000) && config.exitStatus() == QProcess::NormalExit && config.exitCode() == 0;
}

void RingleProcess::setEnvironment(const QString &name, const QString &value)
{
    QProcessEnvironment environment = m_process.processEnvironment();
    environment.insert(name, value);
    m_process.setProcessEnvironment(environment);
}

std::optional<QString> RingleProcess::configured(const QString &key)
{
    QProcess config;
    config.setProcessEnvironment(m_process.processEnvironment());
    config.start(appPath(), {QStringLiteral("config"), QStringLiteral("get"), key});
    if (!config.waitForFinished(15000) || config.exitStatus() != QProcess::NormalExit || config.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(config.readAllStandardOutput()).trimmed();
}

std::optional<qint64> RingleProcess::signalAndWait(int signalNumber, int timeoutMs)
{
    QElapsedTimer took;
    took.start();
    ::kill(pid_t(m_process.processId()), signalNumber);
    if (!m_process.waitForFinished(timeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(5000);
        return std::nullopt;
    }
    const qint64 ms = took.elapsed();
    readOutput();
    if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
        return std::nullopt;
    return ms;
}

bool RingleProcess::openSettings()
{
    QProcess opener;
    opener.setProcessEnvironment(m_process.processEnvironment());
    opener.start(appPath(), {QStringLiteral("--settings")});
    return opener.waitForFinished(15000) && opener.exitStatus() == QProcess::NormalExit && opener.exitCode() == 0;
}

int RingleProcess::command(const QStringList &arguments, QString *out, const QString &program) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

bool RingleProcess::useModelServer(const QUrl &server)
{
    return configure(QStringLiteral("modelProvider"), QStringLiteral("ollama"))
        && configure(QStringLiteral("modelServer"), server.toString())
        && configure(QStringLiteral("modelName"), QStringLiteral("test-model"));
}

bool RingleProcess::start()
{
    m_process.start(m_program, {});
    return m_process.waitForStarted(10000) && !waitForLine(QStringLiteral("ringle.controller: started")).isEmpty();
}

void RingleProcess::readOutput()
{
    m_buffer += m_process.readAll();
    for (qsizetype end = m_buffer.indexOf('\n'); end >= 0; end = m_buffer.indexOf('\n')) {
        m_lines.append(QString::fromUtf8(m_buffer.left(end)));
        m_buffer.remove(0, end + 1);
    }
}

QString RingleProcess::waitForLine(const QString &text, int timeoutMs)
{
    QString found;
    // Either way `found` tells: the line, or empty after the timeout or the app's end.
    static_cast<void>(QTest::qWaitFor([&] {
        readOutput();
        for (; m_read < m_lines.size(); ++m_read) {
            if (m_lines.at(m_read).contains(text)) {
                found = m_lines.at(m_read++);
                return true;
            }
        }
        return m_process.state() == QProcess::NotRunning;
    }, timeoutMs));
    return found;
}

bool RingleProcess::seesWithin(const QString &text, int ms)
{
    return !waitForLine(text, ms).isEmpty();
}

QStringList RingleProcess::unreadLines()
{
    readOutput();
    const QStringList lines = m_lines.mid(m_read);
    m_read = m_lines.size();
    return lines;
}

std::optional<double> RingleProcess::secondsOf(const QString &line)
{
    bool ok = false;
    const double seconds = line.trimmed().section(QLatin1Char(' '), 0, 0).toDouble(&ok);
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

QString RingleProcess::resultPanelShows(const QString &kind, const QString &text)
{
    return QStringLiteral("ringle.resultpanel: shows ") + kind + QLatin1Char(' ') + text;
}
} // namespace TestSupport
