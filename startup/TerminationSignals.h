#pragma once

// Ending by signal as the desktop session ends. SIGTERM (a logout without a
// session manager, `systemctl --user stop`, `kill`), SIGINT (Ctrl+C in a
// terminal) and SIGHUP (the terminal closing) become terminationRequested in
// the event loop, where start-up has the calculator window unload (its
// settings are written once) and the run end.
//
// The handler only writes the signal's number into a pipe (the self-pipe
// pattern: write() may be called from a signal handler, nothing of Qt may);
// a QSocketNotifier on the pipe's other end emits the Qt signal from the
// event loop. Each handler is taken back by its first signal, so that a
// second SIGTERM ends a program that no longer answers at once.
//
// One instance at a time; its destruction puts the earlier actions back.

#include <array>
#include <csignal>

#include <QObject>

class QSocketNotifier;

namespace basMain {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The signals caught.
    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

    // False when the pipe could not be made: the signals then keep their
    // default action (the program ends without writing).
    [[nodiscard]] bool isActive() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    std::array<int, 2> pipe_{-1, -1}; // read end, write end
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, kSignals.size()> previous_{};
};

} // namespace basMain
