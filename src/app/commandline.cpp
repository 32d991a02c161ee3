#include "app/commandline.h"

#include "app/appidentity.h"

#include <QCoreApplication>

namespace CommandLine {
namespace {

QString tr(const char *text) { return QCoreApplication::translate("CommandLine", text); }

} // namespace

Request parse(const QStringList &words)
{
    if (words.isEmpty())
        return {};
    const QString &first = words.first();
    if (first == u"config")
        return {Mode::config, words.mid(1), {}};
    if (words.size() == 1) {
        if (first == u"--help" || first == u"-h")
            return {Mode::help, {}, {}};
        if (first == u"--version" || first == u"-v")
            return {Mode::version, {}, {}};
        if (first == u"--settings")
            return {Mode::settings, {}, {}};
        if (first == u"--demo-wheel")
            return {Mode::demoWheel, {}, {}};
        if (first == u"--check-config")
            return {Mode::checkConfig, {}, {}};
    }
    const bool option = first.startsWith(u'-');
    const QString error = words.size() > 1 && !option ? tr("unexpected words: %1").arg(words.join(u' '))
                        : words.size() > 1           ? tr("%1 takes no further words").arg(first)
                        : option                     ? tr("unknown option %1").arg(first)
                                                     : tr("unknown command %1").arg(first);
    return {Mode::badUsage, {}, error};
}

QString usage()
{
    return tr("Usage: ringle [OPTION]\n"
              "  or:  ringle config COMMAND [ARGUMENT...]\n"
              "A system-wide action wheel for the selected text. Without an option, Ringle starts in the "
              "system tray; if it is already running it says so and leaves it be.\n"
              "\n"
              "Hold Ctrl+Alt+H, or Ctrl+Alt and the right mouse button, and a ring of slots opens at the "
              "pointer: move toward a slot and release to run it (proofread, rewrite or translate the "
              "selection with a local model server, post a key combination, open an app or address); "
              "release in the centre to cancel.\n"
              "\n"
              "Options:\n"
              "  --settings      open the settings window of the running Ringle, or start Ringle with it open\n"
              "  --check-config  print the stored sets, rings and slots as Ringle reads them\n"
              "  --demo-wheel    open the wheel on the stored configuration and print the chosen slot\n"
              "  -h, --help      print this help and exit\n"
              "  -v, --version   print the version and exit\n"
              "\n"
              "Commands:\n"
              "  config          read and change the stored settings; see \"ringle config --help\"\n"
              "\n"
              "Files:\n"
              "  $XDG_CONFIG_HOME/Ringle/defaults.json  the settings (~/.config by default)\n"
              "  $XDG_CONFIG_HOME/autostart/%1.desktop  present while Ringle starts at login\n"
              "\n"
              "Exit status:\n"
              "  0  success\n"
              "  1  Ringle could not start (for example, no X11 display)\n"
              "  2  wrong usage\n"
              "\n"
              "Ringle needs an X11 session; on Wayland it runs under XWayland.\n")
        .arg(AppIdentity::desktopId());
}

QString versionText()
{
    return tr("ringle %1\n").arg(AppIdentity::version());
}

bool needsDisplay(Mode mode)
{
    return mode == Mode::run || mode == Mode::settings || mode == Mode::demoWheel;
}

QString displayProblem(const QByteArray &display, const QByteArray &waylandDisplay, bool reachable)
{
    if (display.isEmpty() && !waylandDisplay.isEmpty())
        return tr("Ringle needs an X11 display, and this Wayland session offers none: turn on XWayland.");
    if (display.isEmpty())
        return tr("Ringle needs an X11 display, but DISPLAY is not set: start it from an X11 session.");
    if (!reachable)
        return tr("Ringle needs an X11 display, but it cannot connect to \"%1\".").arg(QString::fromLocal8Bit(display));
    return {};
}

} // namespace CommandLine
