// tavrel-issue: the publisher's command-line program for issue files.

#include "CommandTable.h"

#include "Exception.h"

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

std::vector<TCommand>& Commands()
{
    static std::vector<TCommand> commands;
    return commands;
}

void PrintUsage(std::FILE* Out)
{
    std::vector<TCommand> sorted = Commands();
    std::sort(sorted.begin(), sorted.end(), [](const TCommand& A, const TCommand& B) { return A.Name < B.Name; });
    std::fprintf(Out, "usage: tavrel-issue COMMAND ARGUMENTS\n\ncommands:\n");
    for (const TCommand& command : sorted) {
        std::fprintf(Out, "  %s %s\n", command.Name.c_str(), command.Usage.c_str());
    }
}

}  // namespace

TCommandRegistration::TCommandRegistration(TCommand Command)
{
    Commands().push_back(std::move(Command));
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    const auto found = std::find_if(Commands().begin(), Commands().end(),
                                    [&](const TCommand& Command) { return Command.Name == name; });
    if (found == Commands().end()) {
        std::fprintf(stderr, "tavrel-issue: unknown command \"%s\"\n", name.c_str());
        PrintUsage(stderr);
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return found->Run(args);
    } catch (const EUsage&) {
        std::fprintf(stderr, "usage: tavrel-issue %s %s\n", found->Name.c_str(), found->Usage.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tavrel-issue %s: %s\n", found->Name.c_str(), error.what());
    }
    return 2;
}
