#include "QtSessionWatcher.h"

#include "WindowHandle.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The writing end of the watcher's pipe, for the handler.
volatile sig_atomic_t g_writeFd = -1;
}  // namespace

CQtSessionWatcher::CQtSessionWatcher(std::function<void()> onEnd) : m_onEnd(std::move(onEnd))
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // without the pipe the signals keep their default: the process ends
    m_readFd = fds[0];
    m_writeFd = fds[1];
    g_writeFd = m_writeFd;
    m_pNotifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    QObject::connect(m_pNotifier.get(), &QSocketNotifier::activated, m_pNotifier.get(), [this] { OnReadable(); });

    struct sigaction action {};
    action.sa_handler = &CQtSessionWatcher::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &m_oldTerm);
    ::sigaction(SIGHUP, &action, &m_oldHup);
}

CQtSessionWatcher::~CQtSessionWatcher()
{
    if (m_readFd < 0)
        return;
    ::sigaction(SIGTERM, &m_oldTerm, nullptr);
    ::sigaction(SIGHUP, &m_oldHup, nullptr);
    m_pNotifier.reset();
    g_writeFd = -1;
    ::close(m_writeFd);
    ::close(m_readFd);
}

void CQtSessionWatcher::OnSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    if (g_writeFd >= 0) {
        const ssize_t written = ::write(g_writeFd, &byte, 1);
        static_cast<void>(written);  // a full pipe already holds a byte to wake the loop
    }
    errno = savedErrno;
}

void CQtSessionWatcher::OnReadable()
{
    char bytes[64];
    while (::read(m_readFd, bytes, sizeof bytes) > 0) {
    }
    if (m_onEnd)
        CallFramework(m_onEnd);
}
