#pragma once

// What the benchmarks read from the running process: a clock whose readings
// can be compared between processes, and the peak resident memory.

#include <cstdint>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a
// launcher's reading before it starts a program can be set against a
// reading the program prints.
std::int64_t MonotonicNs();

// A field of /proc/self/status in KiB ("VmHWM", "RssAnon", "RssFile",
// "RssShmem"); -1 when unknown.
long StatusKb(const char* field);
// The process's peak resident set (VmHWM) in KiB; -1 when unknown.
inline long PeakResidentKb() {
    return StatusKb("VmHWM");
}

} // namespace bench
