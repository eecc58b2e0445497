#pragma once
// Field access for the fixed-layout records of the data files: 32-bit
// little-endian integers and NUL-padded 8-bit texts (a text that fills its
// field has no NUL).

#include <cstddef>
#include <cstdint>
#include <string>

namespace DataFields {

inline uint32_t GetUInt32(const uint8_t* At)
{
    return static_cast<uint32_t>(At[0]) | (static_cast<uint32_t>(At[1]) << 8) | (static_cast<uint32_t>(At[2]) << 16) |
           (static_cast<uint32_t>(At[3]) << 24);
}

inline void PutUInt32(uint8_t* At, uint32_t Value)
{
    At[0] = static_cast<uint8_t>(Value);
    At[1] = static_cast<uint8_t>(Value >> 8);
    At[2] = static_cast<uint8_t>(Value >> 16);
    At[3] = static_cast<uint8_t>(Value >> 24);
}

// The text of a field of Width bytes, up to its first NUL.
std::string GetText(const uint8_t* At, size_t Width);
// Stores Text in a field of Width bytes: cut to Width, the rest NUL.
void PutText(uint8_t* At, size_t Width, const std::string& Text);
// Text without the blanks (spaces and control characters) around it, the form
// in which texts are shown and compared.
std::string TrimBlanks(const std::string& Text);

}  // namespace DataFields
