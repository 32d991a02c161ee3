#include "scriptrunner.h"

#include "scriptcatalogue.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
volatile sig_atomic_t childGroup = 0;
volatile sig_atomic_t endRequested = 0;

void forwardEnd(int)
{
    endRequested = 1;
    if (childGroup > 0)
        ::kill(-childGroup, SIGTERM);
    ::alarm(1);
}

void killGroup(int)
{
    if (childGroup > 0)
        ::kill(-childGroup, SIGKILL);
}

constexpr int endSignals[] = {SIGTERM, SIGINT, SIGHUP};

int openOrSay(const char *path, int flags, const char *what)
{
    const int fd = ::open(path, flags | O_CLOEXEC, 0600);
    if (fd < 0)
        std::fprintf(stderr, "Couldn't open the %s file %s: %s\n", what, path, std::strerror(errno));
    return fd;
}

[[noreturn]] void execInChild(const Script &script, int input, int output, pid_t parent)
{
    for (int signal : endSignals)
        std::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) // we died before the line above took effect
        ::_exit(128 + SIGKILL);
    if ((input != STDIN_FILENO && ::dup2(input, STDIN_FILENO) < 0)
        || (output != STDOUT_FILENO && ::dup2(output, STDOUT_FILENO) < 0))
        ::_exit(126);
    const std::string path = script.path.string();
    char *const argv[] = {const_cast<char *>(path.c_str()), nullptr};
    ::execv(path.c_str(), argv);
    std::fprintf(stderr, "Couldn't start %s: %s\n", path.c_str(), std::strerror(errno));
    ::_exit(126);
}
} // namespace

int runScript(const Script &script, const std::optional<std::string> &inputPath,
              const std::optional<std::string> &outputPath)
{
    const int input = inputPath ? openOrSay(inputPath->c_str(), O_RDONLY, "input") : STDIN_FILENO;
    if (input < 0)
        return 1;
    const int output = outputPath ? openOrSay(outputPath->c_str(), O_WRONLY | O_CREAT | O_TRUNC, "output") : STDOUT_FILENO;
    if (output < 0)
        return 1;

    // Held back until the child's group is known, so an early request to end still reaches it.
    sigset_t ends;
    sigemptyset(&ends);
    for (int signal : endSignals)
        sigaddset(&ends, signal);
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &ends, &previous);
    struct sigaction forward = {};
    forward.sa_handler = forwardEnd;
    for (int signal : endSignals)
        sigaction(signal, &forward, nullptr);
    struct sigaction escalate = {};
    escalate.sa_handler = killGroup;
    sigaction(SIGALRM, &escalate, nullptr);

    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        std::fprintf(stderr, "Couldn't start %s: %s\n", script.path.c_str(), std::strerror(errno));
        return 126;
    }
    if (child == 0)
        execInChild(script, input, output, parent);
    ::setpgid(child, child); // also here: whichever runs first, the group exists before signals go out
    childGroup = child;
    sigprocmask(SIG_SETMASK, &previous, nullptr);

    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "Lost track of %s: %s\n", script.path.c_str(), std::strerror(errno));
            return 1;
        }
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    const int signal = WTERMSIG(status);
    if (!endRequested)
        std::fprintf(stderr, "%s ended with signal %d (%s).\n", qPrintable(script.name), signal, strsignal(signal));
    return 128 + signal;
}
