// tavrel-issue list FILE: the verified contents of one issue file.
// tavrel-issue catalogue FOLDER: what the game does at start for FOLDER's
// "ISSUES" folder (load GAMES.DAT, take in new issue files, save), then the
// catalogue in its order.

#include "CommandTable.h"

#include "DataFields.h"
#include "DataReporter.h"
#include "DistributionFile.h"
#include "GamesFile.h"

#include "Exception.h"
#include "Format.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Messages the game would show in its boxes go to standard error.
class TConsoleReporter : public TDataReporter {
public:
    void ShowMessage(const std::string& Message) override
    {
        std::fprintf(stderr, "%s\n", Message.c_str());
        ++Count;
    }
    void ShowInstallationError(const std::string& Message) override
    {
        std::fprintf(stderr, "%s\n", InstallationErrorText(Message).c_str());
        ++Count;
    }
    int Count = 0;
};

std::string KindText(uint8_t Kind)
{
    if (Kind >= 0x20 && Kind < 0x7F) {
        return std::string(1, static_cast<char>(Kind));
    }
    char text[8];
    std::snprintf(text, sizeof text, "$%02X", Kind);
    return text;
}

int RunList(const std::vector<std::string>& Args)
{
    if (Args.size() != 1) {
        throw EUsage();
    }
    std::unique_ptr<TDistributionFile> read;
    try {
        read = std::make_unique<TDistributionFile>(Args[0]);
    } catch (const Exception& error) {
        // A signature that does not hold is an answer, not an error.
        if (error.Message() != Format("Invalid file %s - Wrong signature", Args[0].c_str())) {
            throw;
        }
        std::printf("%s\n", error.what());
        return 1;
    }
    TDistributionFile& issue = *read;
    std::printf("issue %u, version %u, \"%s\", %d games\n", issue.GetIssueNumber(), issue.GetVersion(),
                DataFields::TrimBlanks(issue.GetDescription()).c_str(), issue.GameCount());
    for (int i = 0; i < issue.GameCount(); ++i) {
        const TPuzzleInfo& record = issue.GameRecord(i);
        std::printf("  game %u \"%s\" layout %u kind %s play mode %u aid flags %u pencil flags %u "
                    "features %u at %u\n",
                    record.GetGameNumber(), record.GameNameTrimmed().c_str(), record.GetLayoutType(),
                    KindText(record.GetStreamKind()).c_str(), record.GetPlayMode(), record.GetAidFlags(),
                    record.GetPencilFlags(), record.GetFeatureBits(), issue.RecordPosition(i));
    }
    return 0;
}

int RunCatalogue(const std::vector<std::string>& Args)
{
    if (Args.size() != 1) {
        throw EUsage();
    }
    TConsoleReporter reporter;
    TGamesDataFile catalogue(Args[0], reporter);
    std::printf("%d issues, %u games\n", catalogue.IssueCount(), catalogue.GameCount());
    for (int i = 0; i < catalogue.IssueCount(); ++i) {
        const TIssueEntry& issue = catalogue.Issue(i);
        std::printf("issue %u \"%s\" file %s, %u games\n", issue.GetIssueNumber(),
                    DataFields::TrimBlanks(issue.GetDescription()).c_str(), issue.GetFileName().c_str(),
                    issue.GetGameCount());
        for (const TGameEntry& game : issue.Games()) {
            std::printf("  game %u \"%s\" layout %u kind %s at %u\n", game.GetGameNumber(),
                        DataFields::TrimBlanks(game.GetGameName()).c_str(), game.GetLayoutType(),
                        KindText(game.GetStreamKind()).c_str(), game.GetRecordPosition());
        }
    }
    return reporter.Count == 0 ? 0 : 2;
}

const TCommandRegistration ListCommand({"list", "FILE", RunList});
const TCommandRegistration CatalogueCommand({"catalogue", "FOLDER", RunCatalogue});

}  // namespace
