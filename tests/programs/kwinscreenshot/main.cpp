// kwinscreenshot FILE.png: asks KWin for the whole desktop (org.kde.KWin.ScreenShot2, which KWin
// offers with OpenGL compositing and to programs it trusts) and writes it out. Exit status 0 when
// written, 1 with a sentence on stderr otherwise.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QImage>
#include <QVariantMap>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
int fail(const QString &why)
{
    std::fprintf(stderr, "kwinscreenshot: %s\n", qPrintable(why));
    return 1;
}

// Everything written to `fd` until its writer closes it, waiting at most `ms` for each part.
QByteArray readAll(int fd, int ms)
{
    QByteArray data;
    char buffer[65536];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            return data;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return data;
        data.append(buffer, n);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return fail(u"usage: kwinscreenshot FILE.png"_qs);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return fail(u"no pipe"_qs);
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.KWin.ScreenShot2"_qs, u"/org/kde/KWin/ScreenShot2"_qs,
                                                       u"org.kde.KWin.ScreenShot2"_qs, u"CaptureWorkspace"_qs);
    call << QVariantMap{{u"include-cursor"_qs, false}} << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(call, 10000);
    // The bus holds its own copy of the writing end; KWin closes its copy when it is done.
    ::close(fds[1]);
    const QByteArray pixels = readAll(fds[0], 10000);
    ::close(fds[0]);
    pending.waitForFinished();
    const QDBusPendingReply<QVariantMap> reply = pending;
    if (reply.isError())
        return fail(u"KWin refused: "_qs + reply.error().message());
    const QVariantMap results = reply.value();
    const int width = results.value(u"width"_qs).toInt();
    const int height = results.value(u"height"_qs).toInt();
    const int stride = results.value(u"stride"_qs).toInt();
    const auto format = QImage::Format(results.value(u"format"_qs).toInt());
    if (width <= 0 || height <= 0 || stride < width || pixels.size() < qsizetype(stride) * height)
        return fail(u"KWin sent %1 bytes for %2x%3"_qs.arg(pixels.size()).arg(width).arg(height));
    const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), width, height, stride, format);
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : fail(u"cannot write "_qs + QString::fromLocal8Bit(argv[1]));
}
