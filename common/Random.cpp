#include "Random.h"

#include <mutex>
#include <random>

namespace {

// The game makes new pyramids on a worker thread while the window goes on
// (a pyramid's records draw their filler here), so every draw holds the lock.
std::mutex& GeneratorLock()
{
    static std::mutex lock;
    return lock;
}

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

}  // namespace

void SeedRandom(uint64_t Seed)
{
    const std::lock_guard<std::mutex> held(GeneratorLock());
    Generator().seed(Seed);
}

uint32_t RandomBelow(uint32_t Range)
{
    // The engine's output is the same on every platform; a distribution object
    // would not be, and published files must not depend on the compiler.
    const std::lock_guard<std::mutex> held(GeneratorLock());
    return static_cast<uint32_t>(Generator()() % Range);
}

uint8_t RandomByte()
{
    return static_cast<uint8_t>(RandomBelow(256));
}
