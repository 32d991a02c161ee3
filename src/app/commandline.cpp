#include "app/commandline.h"

#include "app/appidentity.h"

#include <QCoreApplication>

namespace CommandLine {
namespace {

QString tr(const char *text) { return QCoreApplication::translate("CommandLine", text); }

} // namespace

namespace {
// The words without a leading --backend option, which goes into `backend`; false when the option
// names no backend.
bool takeBackend(QStringList &words, QString &backend, QString &error)
{
    if (words.isEmpty() || !words.first().startsWith(u"--backend"))
        return true;
    QString value;
    if (words.first().startsWith(u"--backend=")) {
        value = words.takeFirst().mid(10);
    } else if (words.first() == u"--backend" && words.size() > 1) {
        words.removeFirst();
        value = words.takeFirst();
    } else {
        error = tr("--backend needs x11 or wayland");
        return false;
    }
    if (value != u"x11" && value != u"wayland") {
        error = tr("--backend needs x11 or wayland, not \"%1\"").arg(value);
        return false;
    }
    backend = value;
    return true;
}
} // namespace

Request parse(const QStringList &given)
{
    QStringList words = given;
    Request request;
    if (!takeBackend(words, request.backend, request.error))
        return {Mode::badUsage, {}, request.error, {}};
    if (words.isEmpty())
        return request;
    const QString &first = words.first();
    if (first == u"config")
        return {Mode::config, words.mid(1), {}, request.backend};
    if (first == u"wheel") {
        if (words.size() == 2 && (words.at(1) == u"press" || words.at(1) == u"release" || words.at(1) == u"toggle"))
            return {Mode::wheel, {}, {}, request.backend, words.at(1)};
        return {Mode::badUsage, {}, tr("wheel takes press, release or toggle"), {}};
    }
    if (words.size() == 1) {
        request.mode = first == u"--help" || first == u"-h"       ? Mode::help
                     : first == u"--version" || first == u"-v"    ? Mode::version
                     : first == u"--settings"                     ? Mode::settings
                     : first == u"--demo-wheel"                   ? Mode::demoWheel
                     : first == u"--check-config"                 ? Mode::checkConfig
                     : first == u"doctor"                         ? Mode::doctor
                                                                  : Mode::badUsage;
        if (request.mode != Mode::badUsage)
            return request;
    }
    const bool option = first.startsWith(u'-');
    const QString error = words.size() > 1 && !option ? tr("unexpected words: %1").arg(words.join(u' '))
                        : words.size() > 1           ? tr("%1 takes no further words").arg(first)
                        : option                     ? tr("unknown option %1").arg(first)
                                                     : tr("unknown command %1").arg(first);
    return {Mode::badUsage, {}, error, {}};
}

QString usage()
{
    return tr("Usage: ringle [--backend=x11|wayland] [OPTION]\n"
              "  or:  ringle config COMMAND [ARGUMENT...]\n"
              "  or:  ringle doctor\n"
              "  or:  ringle wheel press|release|toggle\n"
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
              "  --backend=x11|wayland  use this desktop backend (also RINGLE_BACKEND); by default Wayland\n"
              "                  where the compositor offers what Ringle needs, else X11 (XWayland)\n"
              "  -h, --help      print this help and exit\n"
              "  -v, --version   print the version and exit\n"
              "\n"
              "Commands:\n"
              "  config          read and change the stored settings; see \"ringle config --help\"\n"
              "  doctor          say what works on this desktop and what to do about the rest\n"
              "  wheel press     open the running Ringle's wheel at the pointer (bind it to a key in\n"
              "                  compositors Ringle cannot bind keys in)\n"
              "  wheel release   close the wheel and run the chosen slot (bind it to the key's release)\n"
              "  wheel toggle    open the wheel, or close it and run the chosen slot, for compositors that\n"
              "                  bind no key releases; a click on the wheel chooses too\n"
              "\n"
              "Files:\n"
              "  $XDG_CONFIG_HOME/Ringle/defaults.json  the settings (~/.config by default)\n"
              "  $XDG_CONFIG_HOME/autostart/%1.desktop  present while Ringle starts at login\n"
              "\n"
              "Exit status:\n"
              "  0  success\n"
              "  1  Ringle could not start (for example, no display), or doctor found something missing\n"
              "  2  wrong usage\n"
              "\n"
              "Ringle runs on Wayland (KDE Plasma, sway and other wlroots compositors) and on X11.\n")
        .arg(AppIdentity::desktopId());
}

QString versionText()
{
    return tr("ringle %1\n"
              "Copyright the Ringle developers.\n"
              "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
              "This is free software: you are free to change and redistribute it.\n"
              "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(AppIdentity::version());
}

bool needsDisplay(Mode mode)
{
    return mode == Mode::run || mode == Mode::settings || mode == Mode::demoWheel || mode == Mode::doctor;
}

} // namespace CommandLine
