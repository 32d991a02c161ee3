#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// User-perceived characters: what a reader counts as one character (a base letter with its marks,
// an emoji sequence), however many UTF-16 units it takes.
namespace Graphemes {
QList<QStringView> split(const QString &text);
qsizetype count(const QString &text);
} // namespace Graphemes
