#include "Random.h"

#include <random>

namespace {

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

}  // namespace

void SeedRandom(uint64_t Seed)
{
    Generator().seed(Seed);
}

uint32_t RandomBelow(uint32_t Range)
{
    // The engine's output is the same on every platform; a distribution object
    // would not be, and published files must not depend on the compiler.
    return static_cast<uint32_t>(Generator()() % Range);
}

uint8_t RandomByte()
{
    return static_cast<uint8_t>(RandomBelow(256));
}
