#pragma once

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

// The end of the session (SIGTERM, SIGHUP) delivered from the event loop: the signal handler
// only writes a byte into a pipe, whose reading end the loop watches. One watcher at a time:
// the signals go back to what they were when it ends.
class CQtSessionWatcher {
public:
    explicit CQtSessionWatcher(std::function<void()> onEnd);
    ~CQtSessionWatcher();
    CQtSessionWatcher(const CQtSessionWatcher&) = delete;
    CQtSessionWatcher& operator=(const CQtSessionWatcher&) = delete;

private:
    static void OnSignal(int nSignal);
    void OnReadable();

    std::function<void()> m_onEnd;
    int m_readFd = -1;
    int m_writeFd = -1;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    struct sigaction m_oldTerm {};
    struct sigaction m_oldHup {};
};
