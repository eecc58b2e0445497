#include "DataFields.h"

#include <cstring>

namespace DataFields {

std::string GetText(const uint8_t* At, size_t Width)
{
    size_t length = 0;
    while (length < Width && At[length] != 0) {
        ++length;
    }
    return std::string(reinterpret_cast<const char*>(At), length);
}

void PutText(uint8_t* At, size_t Width, const std::string& Text)
{
    const size_t length = Text.size() < Width ? Text.size() : Width;
    std::memcpy(At, Text.data(), length);
    std::memset(At + length, 0, Width - length);
}

std::string TrimBlanks(const std::string& Text)
{
    size_t first = 0;
    size_t last = Text.size();
    while (first < last && static_cast<unsigned char>(Text[first]) <= ' ') {
        ++first;
    }
    while (last > first && static_cast<unsigned char>(Text[last - 1]) <= ' ') {
        --last;
    }
    return Text.substr(first, last - first);
}

}  // namespace DataFields
