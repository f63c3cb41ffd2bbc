#include "startup/TerminationSignals.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace basMain {
namespace {

// The pipe's write end as the handler sees it. A signal handler can reach
// nothing but such a global; it is set and cleared only by the one
// TerminationSignals alive, before the handlers are installed and after they
// are taken back.
std::atomic<int> gWriteEnd{-1};

void OnTerminationSignal(int signalNumber) {
    const int savedErrno = errno; // the interrupted code may be about to read it
    const int fd = gWriteEnd.load();
    if (fd >= 0) {
        const auto byte = static_cast<char>(signalNumber);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ = {-1, -1};
        return;
    }
    gWriteEnd.store(pipe_[1]);
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = &OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &previous_[i]);
    }
}

TerminationSignals::~TerminationSignals() {
    if (!isActive()) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    gWriteEnd.store(-1);
    delete notifier_; // before its descriptor closes
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::readPipe() {
    char bytes[16];
    ssize_t count = 0;
    int last = 0;
    while ((count = ::read(pipe_[0], bytes, sizeof bytes)) > 0) {
        last = bytes[count - 1];
    }
    if (last != 0) {
        emit terminationRequested(last);
    }
}

} // namespace basMain
