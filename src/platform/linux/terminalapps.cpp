#include "platform/linux/terminalapps.h"

#include <QSet>

namespace TerminalApps {
namespace {
// Desktop-entry ids and window classes, lower case.
const QSet<QString> &known()
{
    static const QSet<QString> ids{
        u"org.gnome.terminal"_qs, u"gnome-terminal"_qs, u"gnome-terminal-server"_qs, u"org.gnome.console"_qs, u"kgx"_qs,
        u"org.gnome.ptyxis"_qs, u"ptyxis"_qs, u"org.kde.konsole"_qs, u"konsole"_qs, u"org.kde.yakuake"_qs, u"yakuake"_qs,
        u"xfce4-terminal"_qs, u"org.xfce.terminal"_qs, u"mate-terminal"_qs, u"lxterminal"_qs, u"qterminal"_qs,
        u"terminator"_qs, u"com.gexperts.tilix"_qs, u"tilix"_qs, u"alacritty"_qs, u"org.alacritty.alacritty"_qs,
        u"kitty"_qs, u"foot"_qs, u"footclient"_qs, u"org.codeberg.dnkl.foot"_qs, u"wezterm"_qs,
        u"org.wezfurlong.wezterm"_qs, u"xterm"_qs, u"uxterm"_qs, u"debian-xterm"_qs, u"debian-uxterm"_qs,
        u"urxvt"_qs, u"rxvt"_qs, u"rxvt-unicode"_qs, u"urxvt-tabbed"_qs, u"st"_qs, u"st-256color"_qs, u"sakura"_qs,
        u"guake"_qs, u"tilda"_qs, u"terminology"_qs, u"cool-retro-term"_qs, u"deepin-terminal"_qs,
        u"io.elementary.terminal"_qs, u"com.raggesilver.blackbox"_qs, u"contour"_qs, u"org.contourterminal.contour"_qs,
        u"eterm"_qs, u"aterm"_qs, u"roxterm"_qs, u"termite"_qs, u"hyper"_qs, u"tabby"_qs, u"extraterm"_qs,
        u"cutefish-terminal"_qs, u"zutty"_qs, u"com.system76.cosmicterm"_qs,
    };
    return ids;
}
} // namespace

bool isTerminalEmulator(const QString &appId)
{
    return known().contains(appId.toLower());
}

namespace {
KeyModifiers chordModifiers(const std::optional<RunningApp> &app)
{
    const bool terminal = app && isTerminalEmulator(app->appId);
    return terminal ? KeyModifiers::control | KeyModifiers::shift : KeyModifiers::control;
}
} // namespace

KeyChord copyChord(const std::optional<RunningApp> &app)
{
    return {Key::c, chordModifiers(app)};
}

KeyChord pasteChord(const std::optional<RunningApp> &app)
{
    return {Key::v, chordModifiers(app)};
}
} // namespace TerminalApps
