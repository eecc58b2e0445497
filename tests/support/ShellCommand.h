#pragma once
// Runs a command line through the shell for tests that drive the delivered
// programs; answers what it printed (standard output and error) and its exit
// status. Only where the platform has popen.

#include <cstdio>
#include <string>

#if defined(__linux__)
#include <sys/wait.h>
#include <unistd.h>
#define TAVREL_HAVE_SHELL 1

inline std::string Shell(const std::string& Command, int* Status = nullptr)
{
    std::string output;
    std::FILE* pipe = popen((Command + " 2>&1").c_str(), "r");
    if (!pipe) {
        return output;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof(buffer), pipe)) {
        output += buffer;
    }
    const int status = pclose(pipe);
    if (Status) {
        *Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return output;
}
#endif
