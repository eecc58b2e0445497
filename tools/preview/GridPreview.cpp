// grid-preview: draws the parent and one child of a game of an issue file
// into PNG files with the game's own display grid, so a publisher (or anyone)
// can look at a game as the player will see it or as it will print.
#include "Exception.h"
#include "PreviewRender.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // No display needed: draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::string> Args(argv + 1, argv + argc);
    for (const std::string& Arg : Args) {
        if (Arg == "--help" || Arg == "-h") {
            std::fputs(PreviewUsage().c_str(), stdout);
            return 0;
        }
    }
    TPreviewOptions Options;
    try {
        Options = ParsePreviewArguments(Args);
    } catch (const Exception& Error) {
        std::fprintf(stderr, "grid-preview: %s\n%s", Error.what(), PreviewUsage().c_str());
        return 2;
    }
    QGuiApplication App(argc, argv);
    try {
        if (Options.List) {
            std::fputs(ListPreviewGames(Options.IssueFile).c_str(), stdout);
            return 0;
        }
        for (const std::string& File : RenderPreview(Options))
            std::printf("%s\n", File.c_str());
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "grid-preview: %s\n", Error.what());
        return 1;
    }
    return 0;
}
