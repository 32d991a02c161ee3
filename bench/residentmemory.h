#pragma once

#include <QFile>
#include <QString>

// This process's resident memory as /proc says it ("12345 kB"), or "?".
inline QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    }
    return QStringLiteral("?");
}
