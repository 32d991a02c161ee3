#include "platform/linux/desktopsound.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcSound, "ringle.sound")

// Beeps closer together than this are one beep.
constexpr std::chrono::milliseconds minimumGap{150};

QString themeFile()
{
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        for (const char *name : {"bell.oga", "dialog-warning.oga"}) {
            const QString path = dir + u"/sounds/freedesktop/stereo/"_qs + QLatin1String(name);
            if (QFileInfo::exists(path))
                return path;
        }
    }
    return {};
}
} // namespace

DesktopSound::DesktopSound()
{
    if (const QString canberra = QStandardPaths::findExecutable(u"canberra-gtk-play"_qs); !canberra.isEmpty()) {
        m_program = canberra;
        m_arguments = {u"--id=bell"_qs, u"--description=Ringle"_qs};
        return;
    }
    const QString file = themeFile();
    for (const char *player : {"pw-play", "paplay"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(player));
        if (!path.isEmpty() && !file.isEmpty()) {
            m_program = path;
            m_arguments = {file};
            return;
        }
    }
    qCInfo(lcSound) << "nothing here plays the alert sound (install gnome-session-canberra, or sound-theme-freedesktop with PipeWire or PulseAudio)";
}

void DesktopSound::beep()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_program.isEmpty() || now - m_last < minimumGap)
        return;
    m_last = now;
    qCDebug(lcSound) << "beep";
    QProcess::startDetached(m_program, m_arguments);
}
