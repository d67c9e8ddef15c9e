#include "bench/Probe.h"

#include <ctime>
#include <fstream>
#include <string>

namespace bench {

std::int64_t MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

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

} // namespace bench
