#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own. Finding the
// installed faces is the longest single step before a program can measure or
// draw its first text, and it needs nothing from the window system, so it can
// run while the application connects to the display. Where the platform keeps
// no such configuration, or no thread can be started, this does nothing and
// the configuration is read when the first text needs it.
class CFontWarmup {
public:
    CFontWarmup();
    ~CFontWarmup();
    CFontWarmup(const CFontWarmup&) = delete;
    CFontWarmup& operator=(const CFontWarmup&) = delete;

    // Returns once the configuration has been read; call it before the first
    // font is used, so that the reading is not done twice.
    void Wait();

private:
    std::thread m_thread;
};
