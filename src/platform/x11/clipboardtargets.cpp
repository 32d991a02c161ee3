#include "platform/x11/clipboardtargets.h"

#include <QSet>

namespace ClipboardTargets {
namespace {
// Targets that describe the selection, change it, or name server resources that die with the
// owner: none of them is content.
const QSet<QString> &skipped()
{
    static const QSet<QString> names{
        u"TARGETS"_qs,        u"MULTIPLE"_qs,   u"TIMESTAMP"_qs, u"SAVE_TARGETS"_qs, u"DELETE"_qs,   u"INSERT_SELECTION"_qs,
        u"INSERT_PROPERTY"_qs, u"LENGTH"_qs,    u"CLIENT_WINDOW"_qs, u"PIXMAP"_qs,   u"BITMAP"_qs,   u"DRAWABLE"_qs,
        u"COLORMAP"_qs,       u"BACKGROUND"_qs, u"FOREGROUND"_qs, u"application/x-qt-image"_qs,
    };
    return names;
}

const QString utf8String = u"UTF8_STRING"_qs;
const QString textPlain = u"text/plain"_qs;
const QString textPlainUtf8 = u"text/plain;charset=utf-8"_qs;
const QString latin1String = u"STRING"_qs;
const QString anyText = u"TEXT"_qs;

bool isLatin1Target(const QString &t)
{
    return t == latin1String || t == anyText;
}
} // namespace

QStringList textTargets()
{
    return {utf8String, textPlainUtf8, textPlain, latin1String, anyText};
}

QString decodeText(const QString &target, const QByteArray &data)
{
    return isLatin1Target(target) ? QString::fromLatin1(data) : QString::fromUtf8(data);
}

QStringList targetsToRead(const QStringList &offered)
{
    const bool hasUtf8 = offered.contains(utf8String) || offered.contains(textPlainUtf8);
    const bool hasUtf8Plain = offered.contains(utf8String);
    QStringList result;
    for (const QString &t : offered) {
        if (t.isEmpty() || skipped().contains(t) || result.contains(t))
            continue;
        // Qt serves these from the UTF-8 text; reading them would only cost time.
        if (isLatin1Target(t) && (hasUtf8 || offered.contains(textPlain)))
            continue;
        if (t == textPlain && hasUtf8Plain)
            continue;
        result.append(t);
    }
    return result;
}

bool keepDelivered(const QString &target, const QByteArray &data)
{
    return !(data.isEmpty() && target.startsWith(u"image/"));
}

ClipboardItem toMimeFormats(const ClipboardItem &item)
{
    // The best text the item has, taken in the order of preference.
    const ClipboardFormat *text = nullptr;
    for (const QString &preferred : textTargets()) {
        for (const ClipboardFormat &f : item) {
            if (f.type == preferred && !text)
                text = &f;
        }
    }
    ClipboardItem result;
    QSet<QString> placed;
    for (const ClipboardFormat &f : item) {
        const bool isText = f.type == utf8String || f.type == textPlain || isLatin1Target(f.type);
        if (isText) {
            if (!placed.contains(textPlain))
                result.append({textPlain, decodeText(text->type, text->data).toUtf8()});
            placed.insert(textPlain);
            continue;
        }
        if (f.type == u"application/x-qt-image"_qs || placed.contains(f.type))
            continue;
        placed.insert(f.type);
        result.append(f);
    }
    return result;
}
} // namespace ClipboardTargets
