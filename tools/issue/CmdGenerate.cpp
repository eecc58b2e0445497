// tavrel-issue generate OUTPUT ...: a signed issue file of newly generated,
// graded pyramid games.

#include "CommandTable.h"

#include "IssueGenerator.h"

#include "Exception.h"
#include "FileStream.h"
#include "Format.h"
#include "SafeFile.h"
#include "PyramidLinks.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const GenerateUsage =
    "OUTPUT --issue N [--description TEXT] [--key-index 1-10] [--seed S]\n"
    "      [--layouts L,L,...] [--games N] [--grades G,G,...] [--kind F|plain]\n"
    "      [--name TEXT]... [--play-mode M] [--aid-flags X] [--pencil-flags X]\n"
    "      [--symmetry none|rotate] [--first-game N] [--known FILE|FOLDER]...\n"
    "      [--game layout=L,grade=G,name=TEXT,kind=K,play=M,aid=X,pencil=X,symmetry=S]...\n"
    "    grades: singles, pairs, hidden, pyramid, pyramid-pairs, pyramid-hidden\n"
    "    (a pyramid grade on layouts 2, 6 and 7, which have no links, gives the\n"
    "    plain grade); without --game, game k takes layout k and grade k of the\n"
    "    lists, each list repeating, and the name given k-th, if any";

uint64_t ParseNumber(const std::string& Text, uint64_t Max, const char* What)
{
    if (Text.empty() || Text[0] == '-' || Text[0] == '+') {
        throw Exception(Format("Bad %s \"%s\"", What, Text.c_str()));
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(Text.c_str(), &end, 0);
    if (errno != 0 || end == Text.c_str() || *end != '\0' || value > Max) {
        throw Exception(Format("Bad %s \"%s\"", What, Text.c_str()));
    }
    return value;
}

std::vector<std::string> SplitList(const std::string& Text, char Separator)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find(Separator, start);
        items.push_back(Text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return items;
        }
        start = end + 1;
    }
}

TGrade ParseGradeText(const std::string& Text)
{
    TGrade grade;
    if (!ParseGrade(Text, grade)) {
        throw Exception(Format("Unknown grade \"%s\"", Text.c_str()));
    }
    return grade;
}

uint8_t ParseKind(const std::string& Text)
{
    if (Text == "F") {
        return TPuzzleInfo::EncipheredStreamKind;
    }
    if (Text == "plain" || Text == "P") {
        return 'P';
    }
    throw Exception(Format("Unknown stream kind \"%s\" (F or plain)", Text.c_str()));
}

TSymmetry ParseSymmetry(const std::string& Text)
{
    if (Text == "none") {
        return symNone;
    }
    if (Text == "rotate") {
        return symRotate;
    }
    throw Exception(Format("Unknown symmetry \"%s\" (none or rotate)", Text.c_str()));
}

uint8_t ParseLayout(const std::string& Text)
{
    return static_cast<uint8_t>(ParseNumber(Text, 13, "layout type (0 to 13)"));
}

// One --game option laid over the defaults.
TGameSpec ParseGameSpec(const std::string& Text, const TGameSpec& Defaults)
{
    TGameSpec spec = Defaults;
    bool haveLayout = false;
    for (const std::string& item : SplitList(Text, ',')) {
        const size_t equals = item.find('=');
        if (equals == std::string::npos) {
            throw Exception(Format("Bad game item \"%s\" (key=value)", item.c_str()));
        }
        const std::string key = item.substr(0, equals);
        const std::string value = item.substr(equals + 1);
        if (key == "layout") {
            spec.LayoutType = ParseLayout(value);
            haveLayout = true;
        } else if (key == "grade") {
            spec.Grade = ParseGradeText(value);
        } else if (key == "name") {
            spec.Name = value;
        } else if (key == "kind") {
            spec.StreamKind = ParseKind(value);
        } else if (key == "play") {
            spec.PlayMode = static_cast<uint8_t>(ParseNumber(value, 255, "play mode"));
        } else if (key == "aid") {
            spec.AidFlags = static_cast<uint16_t>(ParseNumber(value, 0xFFFF, "aid flags"));
        } else if (key == "pencil") {
            spec.PencilFlags = static_cast<uint8_t>(ParseNumber(value, 255, "pencil flags"));
        } else if (key == "symmetry") {
            spec.Symmetry = ParseSymmetry(value);
        } else {
            throw Exception(Format("Unknown game item \"%s\"", key.c_str()));
        }
    }
    if (!haveLayout) {
        throw Exception(Format("Game \"%s\" names no layout", Text.c_str()));
    }
    return spec;
}

int RunGenerate(const std::vector<std::string>& Args)
{
    if (Args.empty() || Args[0].empty() || Args[0][0] == '-') {
        throw EUsage();
    }
    const std::string output = Args[0];
    TIssueSpec issue;
    TGameSpec defaults;
    bool haveIssue = false;
    std::vector<uint8_t> layouts;
    std::vector<TGrade> grades;
    std::vector<std::string> names;
    std::vector<std::string> games;
    std::vector<std::string> known;
    int gameCount = -1;
    for (size_t i = 1; i < Args.size(); ++i) {
        const std::string& option = Args[i];
        if (i + 1 >= Args.size()) {
            throw EUsage();
        }
        const std::string& value = Args[++i];
        if (option == "--issue") {
            issue.IssueNumber = static_cast<uint32_t>(ParseNumber(value, UINT32_MAX, "issue number"));
            haveIssue = true;
        } else if (option == "--description") {
            issue.Description = value;
        } else if (option == "--key-index") {
            issue.KeyIndex = static_cast<uint32_t>(ParseNumber(value, 10, "key index (1 to 10)"));
        } else if (option == "--seed") {
            issue.Seed = ParseNumber(value, UINT64_MAX, "seed");
        } else if (option == "--layouts") {
            for (const std::string& item : SplitList(value, ',')) {
                layouts.push_back(ParseLayout(item));
            }
        } else if (option == "--games") {
            gameCount = static_cast<int>(ParseNumber(value, 10000, "game count"));
        } else if (option == "--grades") {
            for (const std::string& item : SplitList(value, ',')) {
                grades.push_back(ParseGradeText(item));
            }
        } else if (option == "--kind") {
            defaults.StreamKind = ParseKind(value);
        } else if (option == "--name") {
            names.push_back(value);
        } else if (option == "--play-mode") {
            defaults.PlayMode = static_cast<uint8_t>(ParseNumber(value, 255, "play mode"));
        } else if (option == "--aid-flags") {
            defaults.AidFlags = static_cast<uint16_t>(ParseNumber(value, 0xFFFF, "aid flags"));
        } else if (option == "--pencil-flags") {
            defaults.PencilFlags = static_cast<uint8_t>(ParseNumber(value, 255, "pencil flags"));
        } else if (option == "--symmetry") {
            defaults.Symmetry = ParseSymmetry(value);
        } else if (option == "--first-game") {
            issue.FirstGameNumber = static_cast<uint32_t>(ParseNumber(value, UINT32_MAX, "game number"));
        } else if (option == "--known") {
            known.push_back(value);
        } else if (option == "--game") {
            games.push_back(value);
        } else {
            throw EUsage();
        }
    }
    if (!haveIssue) {
        throw Exception("An issue number (--issue N) is needed");
    }
    if (!games.empty()) {
        if (gameCount >= 0 || !layouts.empty() || !grades.empty()) {
            throw Exception("--game does not go with --games, --layouts or --grades");
        }
        for (const std::string& text : games) {
            issue.Games.push_back(ParseGameSpec(text, defaults));
        }
        for (size_t k = 0; k < names.size() && k < issue.Games.size(); ++k) {
            if (issue.Games[k].Name.empty()) {
                issue.Games[k].Name = names[k];
            }
        }
    } else {
        if (layouts.empty()) {
            layouts = {0};
        }
        if (grades.empty()) {
            grades = {TGrade{}};
        }
        const int count = gameCount >= 0 ? gameCount : static_cast<int>(layouts.size());
        for (int k = 0; k < count; ++k) {
            TGameSpec spec = defaults;
            spec.LayoutType = layouts[k % layouts.size()];
            spec.Grade = grades[k % grades.size()];
            if (k < static_cast<int>(names.size())) {
                spec.Name = names[k];
            }
            issue.Games.push_back(spec);
        }
    }
    issue.UsedGameNumbers = GameNumbersOfIssues(known);

    const auto start = std::chrono::steady_clock::now();
    const TGeneratedIssue made = GenerateIssue(issue);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Written whole or not at all, so that a failed write never leaves a cut
    // issue file under the real name.
    WriteFileWhole(output, made.File.data(), made.File.size());
    std::printf("issue %u \"%s\": %zu games, %zu bytes, key index %u, %.2f s\n", issue.IssueNumber,
                issue.Description.c_str(), made.Games.size(), made.File.size(), issue.KeyIndex, seconds);
    // The grade of every game as the grader found it: the hardest method the
    // game needs and whether its children need what the links carry.
    std::printf("  %6s %6s %6s  %-19s %-6s %5s %7s  %s\n", "game", "layout", "givens", "hardest method", "links",
                "tries", "ms", "name");
    for (const TGeneratedGame& game : made.Games) {
        const TGrade& grade = game.Report.Grade;
        const char* links = !LayoutHasLinks(game.LayoutType) ? "-" : grade.Pyramid ? "needed" : "no";
        std::printf("  %6u %6u %6d  %-19s %-6s %5d %7.0f  %s\n", game.GameNumber, game.LayoutType,
                    game.Report.GivenCount, GradeName({grade.Level, false}).c_str(), links, game.Attempts,
                    game.Milliseconds, game.Name.c_str());
    }
    return 0;
}

const TCommandRegistration GenerateRegistration({"generate", GenerateUsage, RunGenerate});

}  // namespace
