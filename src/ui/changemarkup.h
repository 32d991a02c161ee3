#pragma once

#include "ai/worddiff.h"

#include <QPalette>
#include <QString>

// Rich text of a comparison for a QTextDocument: removed text struck through, added text
// underlined, each on a tint that suits the palette's light or dark background. White space and
// line breaks are kept as written.
namespace ChangeMarkup {
QString html(const QList<WordChange> &changes, const QPalette &palette);
} // namespace ChangeMarkup
