#pragma once
// The subcommands of tavrel-issue. Each Cmd*.cpp file registers its commands
// with a static TCommandRegistration; main() looks them up by name.
//
// A command answers the program's exit status: 0 for success, 1 for a
// negative answer (a signature that does not hold), 2 for an error. An
// Exception that leaves a command is printed and gives status 2.

#include <string>
#include <vector>

struct TCommand {
    std::string Name;
    std::string Usage;  // arguments after the name, for the help text
    int (*Run)(const std::vector<std::string>& Args);
};

struct TCommandRegistration {
    explicit TCommandRegistration(TCommand Command);
};

// Raised by a command for wrong arguments; main prints the usage line.
struct EUsage {};
