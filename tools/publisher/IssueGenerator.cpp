#include "IssueGenerator.h"

#include "DistributionFile.h"
#include "Exception.h"
#include "Format.h"
#include "MadeGamesFormat.h"
#include "MemoryStream.h"
#include "PyramidLinks.h"
#include "Random.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <random>

namespace {

// SplitMix64: spreads neighbouring seeds far apart.
uint64_t Mix(uint64_t Value)
{
    Value += 0x9E3779B97F4A7C15ull;
    Value = (Value ^ (Value >> 30)) * 0xBF58476D1CE4E5B9ull;
    Value = (Value ^ (Value >> 27)) * 0x94D049BB133111EBull;
    return Value ^ (Value >> 31);
}

// Reads the signed file back the way the game does: the signature holds and
// every game deciphers to exactly the pyramid the generator graded and found
// unique, under the record it was given.
void CheckWrittenIssue(const std::vector<uint8_t>& File, const std::vector<TPublishedGame>& Games)
{
    TMemoryStream source(File);
    const std::unique_ptr<TDistributionFile> issue = TDistributionFile::ReadIssue(source, "the generated issue");
    if (issue->GameCount() != static_cast<int>(Games.size())) {
        throw Exception("Generator: the written issue lost games");
    }
    for (int index = 0; index < issue->GameCount(); ++index) {
        const TPuzzleInfo& record = issue->GameRecord(index);
        const TPuzzleInfo& wanted = Games[static_cast<size_t>(index)].Record;
        if (record.GetGameNumber() != wanted.GetGameNumber() || record.GetLayoutType() != wanted.GetLayoutType() ||
            issue->PuzzleStream(index).Memory() != Games[static_cast<size_t>(index)].PuzzleStream) {
            throw Exception(Format("Generator: game %u reads back other than it was made", wanted.GetGameNumber()));
        }
    }
}

bool IsIssueFileName(const std::filesystem::path& Path)
{
    std::string extension = Path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return extension == ".ISS";
}

}  // namespace

uint64_t GameSeed(uint64_t Seed, uint32_t Index)
{
    return Mix(Mix(Seed) + Index);
}

TGeneratedIssue GenerateIssue(const TIssueSpec& Spec)
{
    if (Spec.KeyIndex < 1 || Spec.KeyIndex > 10) {
        throw Exception(Format("Key index %u is outside 1 to 10", Spec.KeyIndex));
    }
    if (Spec.Description.size() > static_cast<size_t>(TDistributionFile::DescriptionSize)) {
        throw Exception(Format("The issue description \"%s\" is longer than %d characters", Spec.Description.c_str(),
                               TDistributionFile::DescriptionSize));
    }
    for (const TGameSpec& spec : Spec.Games) {
        if (spec.Name.size() > static_cast<size_t>(TPuzzleInfo::TextSize)) {
            throw Exception(
                Format("The game name \"%s\" is longer than %d characters", spec.Name.c_str(), TPuzzleInfo::TextSize));
        }
    }
    TIssueHeader header;
    header.IssueNumber = Spec.IssueNumber;
    header.Description = Spec.Description;
    std::mt19937_64 keyEngine(Mix(Spec.Seed ^ 0x6B6579ull));
    for (uint8_t& byte : header.Key) {
        byte = static_cast<uint8_t>(keyEngine() >> 56);
    }
    SeedRandom(Mix(Spec.Seed));

    TGeneratedIssue issue;
    std::vector<TPublishedGame> games;
    // The upper half of the numbers belongs to the games players make on
    // their own computers; the game refuses an issue that uses it.
    if (IsMadeGameNumber(Spec.IssueNumber)) {
        throw Exception(Format("Issue numbers from %u on are kept for games made by players", MadeIssueNumber));
    }
    constexpr uint64_t lastNumber = MadeIssueNumber - 1;
    uint64_t number = Spec.FirstGameNumber;
    if (number == 0) {
        number = uint64_t{Spec.IssueNumber} * 100 + 1;
        if (number > lastNumber) {
            number = 1;  // issue numbers this high have no range of their own
        }
    }
    for (size_t index = 0; index < Spec.Games.size(); ++index) {
        const TGameSpec& spec = Spec.Games[index];
        while (number <= lastNumber && Spec.UsedGameNumbers.count(static_cast<uint32_t>(number)) != 0) {
            ++number;
        }
        if (number > lastNumber) {
            throw Exception("No free game numbers left");
        }
        TGeneratorOptions options;
        options.LayoutType = spec.LayoutType;
        options.Grade = spec.Grade;
        if (!GradeFitsLayout(options.Grade, spec.LayoutType)) {
            options.Grade.Pyramid = false;
        }
        options.Symmetry = spec.Symmetry;
        options.Seed = GameSeed(Spec.Seed, static_cast<uint32_t>(index));
        const auto start = std::chrono::steady_clock::now();
        TGeneratedPyramid pyramid = GeneratePyramid(options);
        const auto stop = std::chrono::steady_clock::now();

        TGeneratedGame made;
        made.GameNumber = static_cast<uint32_t>(number++);
        made.Name = spec.Name.empty() ? Format("Game %u", made.GameNumber) : spec.Name;
        made.LayoutType = spec.LayoutType;
        made.Report = pyramid.Report;
        made.Attempts = pyramid.Attempts;
        made.Milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();

        TPublishedGame game;
        game.Record.SetGameNumber(made.GameNumber);
        game.Record.SetLayoutType(spec.LayoutType);
        game.Record.SetGameName(made.Name);
        game.Record.SetGameDescription(DescribeGrade(made.Report.Grade, made.Report.GivenCount));
        game.Record.SetPlayMode(spec.PlayMode);
        game.Record.SetAidFlags(spec.AidFlags);
        game.Record.SetPencilFlags(spec.PencilFlags);
        game.StreamKind = spec.StreamKind;
        game.PuzzleStream = MakePuzzleStream(pyramid.Solution, pyramid.Givens);
        games.push_back(std::move(game));
        issue.Games.push_back(std::move(made));
    }
    issue.File = BuildIssueFile(header, games, Spec.KeyIndex);
    CheckWrittenIssue(issue.File, games);
    return issue;
}

std::set<uint32_t> GameNumbersOfIssues(const std::vector<std::string>& Paths)
{
    std::set<uint32_t> numbers;
    auto take = [&](const std::string& FileName) {
        const TDistributionFile issue(FileName);
        for (int i = 0; i < issue.GameCount(); ++i) {
            numbers.insert(issue.GameRecord(i).GetGameNumber());
        }
    };
    for (const std::string& path : Paths) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            std::vector<std::string> files;
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file() && IsIssueFileName(entry.path())) {
                    files.push_back(entry.path().string());
                }
            }
            std::sort(files.begin(), files.end());
            for (const std::string& file : files) {
                take(file);
            }
        } else {
            take(path);
        }
    }
    return numbers;
}
