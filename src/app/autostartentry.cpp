#include "app/autostartentry.h"

#include "app/appidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("AutostartEntry", text); }

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

QString AutostartEntry::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart/"_qs
         + AppIdentity::desktopId() + u".desktop"_qs;
}

bool AutostartEntry::isEnabled() { return QFileInfo::exists(filePath()); }

bool AutostartEntry::setEnabled(bool on, QString *error)
{
    const QString path = filePath();
    if (!on) {
        if (!QFileInfo::exists(path) || QFile::remove(path))
            return true;
        return fail(error, tr("Could not remove %1.").arg(path));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(error, tr("Could not create the folder %1.").arg(folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents(QCoreApplication::applicationFilePath())) < 0
        || !file.commit())
        return fail(error, tr("Could not write %1: %2").arg(path, file.errorString()));
    return true;
}

QByteArray AutostartEntry::contents(const QString &programPath)
{
    // The entry is written here rather than copied from the installed one, so it also works for a
    // Ringle run from its build folder; Icon still names the theme icon of the installed package.
    const QString text = u"[Desktop Entry]\n"
                         u"Type=Application\n"
                         u"Name=Ringle\n"
                         u"Comment=Action wheel for the selected text\n"
                         u"Exec="_qs + execArgument(programPath) + u"\nIcon="_qs + AppIdentity::desktopId() + u"\n"
                         u"Terminal=false\n"
                         u"X-GNOME-Autostart-enabled=true\n"_qs;
    return text.toUtf8();
}

QString AutostartEntry::execArgument(const QString &path)
{
    // Desktop entries put an argument holding reserved characters in double quotes, with a backslash
    // before each ", `, $ and backslash; the value as a whole then escapes backslashes and control
    // characters once more, and % is doubled.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); });
    QString argument;
    if (needsQuotes) {
        argument += u'"';
        for (const QChar c : path) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                argument += u'\\';
            argument += c;
        }
        argument += u'"';
    } else {
        argument = path;
    }
    argument.replace(u'\\', u"\\\\"_qs);
    argument.replace(u'\n', u"\\n"_qs);
    argument.replace(u'\t', u"\\t"_qs);
    argument.replace(u'\r', u"\\r"_qs);
    argument.replace(u'%', u"%%"_qs);
    return argument;
}
