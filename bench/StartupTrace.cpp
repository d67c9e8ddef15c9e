#include "bench/StartupTrace.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace bench {
namespace {

// A field of /proc/self/status in KiB; -1 when unknown.
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string wanted = std::string(field) + ":";
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

} // namespace

std::int64_t MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void Report(const char* event, std::int64_t value) {
    std::printf("%s %lld\n", event, static_cast<long long>(value));
    std::fflush(stdout);
}

void ReportMemory() {
    Report("peak-kb", StatusKb("VmHWM"));
    Report("anon-kb", StatusKb("RssAnon"));
    Report("file-kb", StatusKb("RssFile"));
    Report("shmem-kb", StatusKb("RssShmem"));
    // For finding where the memory goes: the process's whole map, with what
    // is resident of each mapping, in PREFIX.PID (bench/smaps-diff compares
    // two of them).
    if (const char* prefix = std::getenv("BENCH_SMAPS")) {
        std::ifstream in("/proc/self/smaps");
        std::ofstream out(std::string(prefix) + "." + std::to_string(getpid()));
        out << in.rdbuf();
    }
}

StartupTrace::StartupTrace(std::function<void(QWindow*)> onShown)
    : QObject(QCoreApplication::instance()), m_onShown(std::move(onShown)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_bEnterSeen) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_bEnterSeen = true;
            Report("ok-pressed", MonotonicNs());
        }
    }
    if (event->type() != QEvent::Expose || !watched->isWindowType()) {
        return QObject::eventFilter(watched, event);
    }
    auto* window = static_cast<QWindow*>(watched);
    if (!window->isTopLevel() || std::ranges::find(m_shown, window) != m_shown.end()) {
        return QObject::eventFilter(watched, event);
    }
    // Hand the expose to the window now, so the time taken after it covers
    // the first paint and its flush; the filter then swallows the original.
    static_cast<QObject*>(window)->event(event);
    if (window->isExposed()) {
        m_shown.push_back(window);
        m_onShown(window);
    }
    return true;
}

} // namespace bench
