#include "ui/changemarkup.h"

#include <QColor>

namespace {

struct Tint {
    QColor text;
    QColor background;
};

struct Tints {
    Tint removed;
    Tint added;
};

// Text and background of each pair stay above 4.5:1 contrast; the line through or under the text
// says what changed to those who cannot tell the colours apart.
Tints tintsFor(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
    if (dark)
        return {{QColor(0xff, 0xb4, 0xab), QColor(0x5c, 0x1f, 0x1c)}, {QColor(0xa8, 0xf0, 0xb4), QColor(0x1d, 0x4a, 0x2a)}};
    return {{QColor(0x9f, 0x1c, 0x1c), QColor(0xfd, 0xe3, 0xe1)}, {QColor(0x10, 0x60, 0x2a), QColor(0xd9, 0xf6, 0xdf)}};
}

QString styled(const QString &text, const Tint &tint, QLatin1StringView decoration)
{
    return QStringLiteral("<span style=\"color:") + tint.text.name() + QStringLiteral("; background-color:")
        + tint.background.name() + QStringLiteral("; text-decoration:") + decoration + QStringLiteral("\">")
        + text.toHtmlEscaped() + QStringLiteral("</span>");
}

} // namespace

namespace ChangeMarkup {

QString html(const QList<WordChange> &changes, const QPalette &palette)
{
    const Tints tints = tintsFor(palette);
    QString html = QStringLiteral("<div style=\"white-space:pre-wrap\">");
    for (const WordChange &change : changes) {
        switch (change.kind) {
        case WordChange::Kind::same:
            html += change.text.toHtmlEscaped();
            break;
        case WordChange::Kind::removed:
            html += styled(change.text, tints.removed, QLatin1StringView("line-through"));
            break;
        case WordChange::Kind::added:
            html += styled(change.text, tints.added, QLatin1StringView("underline"));
            break;
        }
    }
    return html + QStringLiteral("</div>");
}

} // namespace ChangeMarkup
