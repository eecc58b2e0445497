#pragma once
// The program's random generator, for filler bytes and shuffles. Seeded from
// the system at start; SeedRandom makes a run repeatable (the publisher's
// tools seed it so that the same seed writes the same files).

#include <cstdint>

void SeedRandom(uint64_t Seed);
// A value from 0 to Range - 1 (Range > 0).
uint32_t RandomBelow(uint32_t Range);
uint8_t RandomByte();
