#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the libFuzzer harnesses; each harness is one translation unit that includes this once.

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A broken promise of a decoder is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                                    \
    do {                                                                                                         \
        if (!(condition)) {                                                                                      \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);          \
            std::abort();                                                                                        \
        }                                                                                                        \
    } while (false)

// The decoders log every input they refuse; at thousands of inputs a second that is only noise.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::abort();
        }
    });
    return 0;
}
