#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Which of the types a clipboard owner offers (X11 targets, and the same names as Wayland MIME
// types, where XWayland and toolkits offer them too) make up the content, and how text is read.
namespace ClipboardTargets {
// The targets worth reading, in the owner's order: no meta or side-effect targets (INCR included), no server
// resources, no image Qt derives on request, and no TEXT (its encoding is the owner's choice;
// it is served again from the text targets).
QStringList targetsToRead(const QStringList &offered);

// Whether a delivered target belongs in a snapshot (an image without bytes is an artefact).
bool keepDelivered(const QString &target, const QByteArray &data);

// Text targets to ask for, in order of preference.
QStringList textTargets();
// The text of data delivered with this type ("STRING" is Latin-1, the rest UTF-8).
QString decodeText(const QString &type, const QByteArray &data);
} // namespace ClipboardTargets
