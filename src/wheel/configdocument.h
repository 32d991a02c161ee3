#pragma once

#include "wheel/configcontents.h"

#include <QByteArray>

// The file `ringle config export` writes and `ringle config import` reads: one JSON object
// {"format": "ringle-config", "version": 1, "wheelSets": […], "customKeyCombos": […],
// "customPrompts": […]}, each list in the form Ringle stores under the key of that name.
namespace ConfigDocument {
inline constexpr int version = 1;
// A configuration file is never near this large; a bigger file is refused without reading it.
inline constexpr qint64 maximumSize = 4 * 1024 * 1024;

QByteArray encode(const ConfigContents &contents);

// Everything that can be checked without the user's own configuration: the document's form and
// version, each list decoded as its store decodes it, the stores' limits and unique ids.
// Throws ConfigTransferError.
ConfigContents decode(const QByteArray &document);
} // namespace ConfigDocument
