#pragma once

// The one pseudo-random engine of the program. It seeds itself from the clock
// on first use; tests reseed it to make a run repeatable.

// A die face, uniform over 1..6.
int RollFace();

// Restarts the engine from a fixed seed.
void SeedRandom(unsigned seed);
