#include "app/quitsignals.h"

#include "app/applogging.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array quitSignals{SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read by the event loop.
int pipeEnds[2] = {-1, -1};

extern "C" void onQuitSignal(int signalNumber)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full socket means a quit is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &number, 1);
    errno = saved;
}
} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        qCWarning(lcApp) << "cannot watch for quit signals; they end the app at once";
        return;
    }
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readPending);
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : quitSignals)
        ::sigaction(number, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    for (int number : quitSignals)
        ::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void QuitSignals::readPending()
{
    unsigned char numbers[16];
    for (;;) {
        const ssize_t count = ::read(pipeEnds[1], numbers, sizeof numbers);
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i)
            Q_EMIT received(numbers[i]);
    }
}
