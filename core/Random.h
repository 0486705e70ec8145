// The random generator: a 32-bit linear congruential generator,
// seed := seed * 134775813 + 1 (mod 2^32). Seedable so that tests can fix it.
#pragma once

#include <QString>
#include <cstdint>

class tLumen;

class tRandom
{
public:
    explicit tRandom(uint32_t Seed = 0) : Seed(Seed) {}
    void SetSeed(uint32_t S) { Seed = S; }
    uint32_t GetSeed() const { return Seed; }
    // The seed the program starts from: the time of day in milliseconds.
    static uint32_t TimeOfDaySeed();
    // A whole number in 0 .. N-1 (N >= 1).
    uint32_t NextInt(uint32_t N);
    // A real in [0, 1).
    long double NextReal();

private:
    uint32_t Next() { return Seed = Seed * 134775813u + 1u; }
    uint32_t Seed;
};

// The program's one generator, seeded when the main window is first shown.
tRandom &ProgramRandom();

// Refills every random column of the data set (A to Z in order) and
// recomputes the computed columns that depend on them. Returns the letters of
// every column that changed (each refilled column followed by what
// RecalcFrom returned for it).
QString FillRandomColumns(tLumen &Lumen, tRandom &Gen);
