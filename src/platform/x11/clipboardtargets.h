#pragma once

#include "platform/clipboard.h"

#include <QStringList>

// Which selection targets make up the clipboard's content, and how that content is handed to
// Qt so that Qt offers the same targets with the same bytes again.
namespace ClipboardTargets {
// The targets worth reading, in the owner's order: no meta or side-effect targets, no server
// resources, no Qt-internal image, and no text encodings Qt derives from the UTF-8 text.
QStringList targetsToRead(const QStringList &offered);

// Whether a delivered target belongs in a snapshot (an image without bytes is an artefact).
bool keepDelivered(const QString &target, const QByteArray &data);

// The item as Qt mime formats: the text targets become one "text/plain" in UTF-8 (Qt offers
// UTF8_STRING, STRING, TEXT and text/plain from it), everything else passes through unchanged.
ClipboardItem toMimeFormats(const ClipboardItem &item);

// Text targets in order of preference, and the text of a delivered one.
QStringList textTargets();
QString decodeText(const QString &target, const QByteArray &data);
} // namespace ClipboardTargets
