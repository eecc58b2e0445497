#pragma once
// printf-style formatting into a std::string, for exception messages such as
// "Invalid file %s - Wrong signature" that the system defines with format marks.

#include <string>

#if defined(__GNUC__)
#define TAVREL_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TAVREL_PRINTF(fmt, args)
#endif

std::string Format(const char* Fmt, ...) TAVREL_PRINTF(1, 2);
