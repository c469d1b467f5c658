// The process-wide random source: one MT19937 engine shared by both
// generators, so their draws interleave in call order.
#pragma once

#include <cstdint>
#include <random>

// Seeded once during static initialisation from the low 32 bits of the
// calendar time in whole seconds.
extern std::mt19937 random_engine;

// Reseeds the engine and drops any value normal01 holds back, so that a run
// started from `seed` is reproducible.
void seed_random_source(std::uint32_t seed);

// A double in [0, 1): one engine output times 2^-32.
double uniform01();

// A standard normal deviate by the trigonometric Box-Muller method: each pair
// of uniform draws yields a cosine half, returned at once, and a sine half,
// held back for the next call anywhere in the process.
double normal01();
