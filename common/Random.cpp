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
    return static_cast<uint32_t>(std::uniform_int_distribution<uint64_t>(0, Range - 1)(Generator()));
}

uint8_t RandomByte()
{
    return static_cast<uint8_t>(RandomBelow(256));
}
