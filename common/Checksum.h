#pragma once
// The check the player's own text files end with (the recovery file, the
// record of games): FNV-1a over 64 bits. It finds a file cut short or
// changed by accident; it is no defence against a hand that means harm.

#include <cstdint>
#include <string_view>

inline uint64_t TextCheck(std::string_view Text)
{
    uint64_t Hash = 14695981039346656037ull;
    for (const char Character : Text) {
        Hash ^= static_cast<unsigned char>(Character);
        Hash *= 1099511628211ull;
    }
    return Hash;
}
