#pragma once

// The one pseudo-random engine of the program. It starts from a fixed seed;
// the program seeds it from the clock at start-up.

// A die face, uniform over 1..6.
int RollFace();

// Restarts the engine from the seed.
void SeedRandom(unsigned seed);
