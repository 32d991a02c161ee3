#pragma once

#include "actions/shortcutinfo.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

class ToolProcess;

// Lists and runs the user's shortcuts through the Shortcuts tool (`ringle-shortcuts`), one child
// process per request. Each run gets a private folder "ringle-<UUID>" in the temporary directory
// for its input and output files, removed whatever the outcome. There is no time-out: a script
// that runs for minutes keeps its caller waiting for minutes. Children still running when this
// object goes (Ringle quits) are ended, and their runs finish with a failure before it is gone.
// Main thread only.
class ShortcutsCLI final : public QObject {
    Q_OBJECT
public:
    static constexpr const char *toolName = "ringle-shortcuts";
    // What is kept of the tool's standard output and error; the rest is read and dropped.
    static constexpr qsizetype listingCap = 8 * 1024 * 1024;
    static constexpr qsizetype errorCap = 64 * 1024;
    // A larger output file is refused rather than pasted.
    static constexpr qsizetype outputCap = 64 * 1024 * 1024;
    // How long a child asked to end at quit gets before it is killed.
    static constexpr std::chrono::milliseconds quitGrace{1500};

    explicit ShortcutsCLI(QString program, QObject *parent = nullptr);
    ~ShortcutsCLI() override;

    // The tool next to this executable (the build tree, an installed bin/), else on PATH, else
    // the bare name, which then fails to start with a message that names it.
    static QString locateTool();
    QString program() const { return m_program; }

    // Runs the shortcut on `input` (none: no input file); the output with the input's surrounding
    // white space put back, or none when there is no output. Throws shortcutFailed when the tool
    // fails, and a plain error when files cannot be written or the tool cannot be started.
    QCoro::Task<std::optional<QString>> run(QString id, std::optional<QString> input);
    // The shortcuts grouped by folder for the wheel editor; throws when the tool cannot be started.
    QCoro::Task<QList<ShortcutFolder>> folders();

private:
    struct Outcome {
        int status = 0;
        QString output;
        QString error;
    };

    QCoro::Task<Outcome> execute(QStringList arguments, qsizetype outputCap);

    QString m_program;
    QList<ToolProcess *> m_running;
};
