#include "Format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string Format(const char* Fmt, ...)
{
    va_list args;
    va_start(args, Fmt);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, Fmt, copy);
    va_end(copy);
    std::string result;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), Fmt, args);
        result.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return result;
}
