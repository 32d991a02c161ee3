#include "platform/linux/clipboardtargets.h"

#include <QSet>

namespace ClipboardTargets {
namespace {
// Targets that describe the selection, change it, or name server resources that die with the
// owner: none of them is content.
const QSet<QString> &skipped()
{
    static const QSet<QString> names{
        u"TARGETS"_qs,   u"MULTIPLE"_qs,      u"TIMESTAMP"_qs, u"SAVE_TARGETS"_qs, u"DELETE"_qs,     u"INSERT_SELECTION"_qs,
        u"INSERT_PROPERTY"_qs, u"LENGTH"_qs, u"CLIENT_WINDOW"_qs, u"PIXMAP"_qs,  u"BITMAP"_qs,     u"DRAWABLE"_qs,
        u"COLORMAP"_qs,  u"BACKGROUND"_qs,    u"FOREGROUND"_qs, u"TEXT"_qs,        u"application/x-qt-image"_qs,
        u"INCR"_qs,
    };
    return names;
}
} // namespace

QStringList textTargets()
{
    return {u"UTF8_STRING"_qs, u"text/plain;charset=utf-8"_qs, u"text/plain"_qs, u"STRING"_qs};
}

QString decodeText(const QString &type, const QByteArray &data)
{
    return type == u"STRING" ? QString::fromLatin1(data) : QString::fromUtf8(data);
}

QStringList targetsToRead(const QStringList &offered)
{
    QStringList result;
    for (const QString &t : offered) {
        if (!t.isEmpty() && !skipped().contains(t) && !result.contains(t))
            result.append(t);
    }
    return result;
}

bool keepDelivered(const QString &target, const QByteArray &data)
{
    return !(data.isEmpty() && target.startsWith(u"image/"));
}
} // namespace ClipboardTargets
