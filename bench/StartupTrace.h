#pragma once

// Watches a program start: prints "<event> <value>" lines on stdout for the
// start-up probe, with times from MonotonicNs(). A top-level window counts as
// shown once it is exposed and its first picture has been painted and sent
// to the window system, which Qt does while it handles the expose event.

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

class QWindow;

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a
// launcher's reading before it starts a program can be set against a
// reading the program prints.
std::int64_t MonotonicNs();

// One line for the probe; flushed at once, as the probe reads a pipe.
void Report(const char* event, std::int64_t value);
// The peak resident memory ("peak-kb") and what is resident now, by kind:
// anonymous, file-backed and shared ("anon-kb", "file-kb", "shmem-kb").
// With BENCH_SMAPS=PREFIX set it also saves /proc/self/smaps to PREFIX.PID.
void ReportMemory();

class StartupTrace : public QObject {
public:
    // onShown runs once per top-level window, right after its first picture
    // is on screen. Reports "ok-pressed" at the first Enter key. Installs
    // itself on the application, which must exist.
    explicit StartupTrace(std::function<void(QWindow*)> onShown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWindow*)> m_onShown;
    std::vector<const QWindow*> m_shown;
    bool m_bEnterSeen = false;
};

} // namespace bench
