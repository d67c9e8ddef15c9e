#include "game/Random.h"

#include <chrono>
#include <random>

namespace {

std::mt19937& Engine() {
    static std::mt19937 engine{static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count())};
    return engine;
}

} // namespace

int RollFace() {
    std::uniform_int_distribution<int> face(1, 6);
    return face(Engine());
}

void SeedRandom(unsigned seed) {
    Engine().seed(seed);
}
