#pragma once

#include "lineprocess.h"
#include "platform/clipboard.h"
#include "testsupport.h"

#include <QString>
#include <QStringList>
#include <memory>

// The clipboard as another program has it, through one of the clipboard tools of tests/programs
// (waylandclipboardtool, mutterclipboardtool: the same commands), driven line by line.
namespace TestSupport {
ClipboardItem itemOf(const Formats &formats);
// Random bytes starting with a NUL, where a C string would end at once.
QByteArray nulFirstBytes(qsizetype size, quint32 seed);

// The tool started, or null when it does not start.
std::unique_ptr<LineProcess> startClipboardTool(const QString &program);
// A tool owning the clipboard with these formats; null when it does not.
std::unique_ptr<LineProcess> clipboardOwnerOf(const QString &program, const Formats &formats);
// What the tool reads of the clipboard; a "no answer" format with its reply when it reads nothing.
Formats dump(LineProcess &tool);
// The types the clipboard offers, as the tool sees them.
QStringList typesOf(LineProcess &tool);
} // namespace TestSupport
