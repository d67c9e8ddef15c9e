#include "game/Random.h"

#include <random>

namespace {

std::mt19937& Engine() {
    static std::mt19937 engine;
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
