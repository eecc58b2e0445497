#include "MadeGames.h"

#include "Exception.h"
#include "FileStream.h"
#include "Platform.h"
#include "SafeFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>

TMadeGames::TMadeGames(std::string FileName) : FFileName(std::move(FileName))
{
    ListGames();
}

std::string TMadeGames::Load()
{
    FContent = TMadeGamesContent();
    FRefused = false;
    FRefusal = TText();
    std::error_code error;
    if (std::filesystem::exists(Platform::PathFromUtf8(FFileName), error)) {
        try {
            TFileStream source(FFileName, TFileMode::fmOpenRead);
            std::vector<uint8_t> bytes(static_cast<size_t>(source.GetSize()));
            source.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
            FContent = ReadMadeGames(bytes, FFileName);
        } catch (const Exception& Refusal) {
            FContent = TMadeGamesContent();
            FRefused = true;
            FRefusal = Refusal.Text();
        } catch (const std::exception& Refusal) {
            FContent = TMadeGamesContent();
            FRefused = true;
            FRefusal = TText(Refusal.what());
        }
    }
    ListGames();
    return FRefusal.English();
}

void TMadeGames::ListGames()
{
    FIssue = TIssueEntry(1, MadeIssueNumber, MadeIssueDescription, MadeGamesFileName);
    for (size_t index = 0; index < FContent.Games.size(); ++index) {
        FIssue.AddGame(TGameEntry(FContent.Games[index].Record, static_cast<uint32_t>(index)));
    }
}

const TMadeGame* TMadeGames::Find(uint32_t GameNumber) const
{
    for (const TMadeGame& game : FContent.Games) {
        if (game.Record.GetGameNumber() == GameNumber) {
            return &game;
        }
    }
    return nullptr;
}

void TMadeGames::Open(uint32_t GameNumber, TPuzzleInfo& Record, TStream& Stream) const
{
    const TMadeGame* game = Find(GameNumber);
    if (game == nullptr) {
        throw Exception(TR_TEXT("MadeGames", "Game %1 is not one of the games made on this computer"), GameNumber);
    }
    Record.Assign(game->Record);
    Stream.WriteBuffer(game->Stream.data(), static_cast<int64_t>(game->Stream.size()));
    Stream.SetPosition(0);
}

void TMadeGames::Write(const TMadeGamesContent& Content)
{
    const std::vector<uint8_t> bytes = WriteMadeGames(Content);
    WriteFileWhole(FFileName, bytes.data(), bytes.size());
    FContent = Content;
    FRefused = false;
    ListGames();
}

uint32_t TMadeGames::Add(TMadeGame Game)
{
    Load();
    if (FRefused) {
        // The player's old games cannot be read; they stay on disk beside
        // the new file rather than being written over.
        std::error_code error;
        std::filesystem::rename(Platform::PathFromUtf8(FFileName), Platform::PathFromUtf8(FFileName + ".damaged"),
                                error);
        if (error) {
            throw Exception(TR_TEXT("MadeGames", "Cannot keep the damaged file %1 aside: %2"), FFileName,
                            error.message());
        }
        FContent = TMadeGamesContent();
    }
    TMadeGamesContent content = FContent;
    const uint32_t number = std::max(content.NextGameNumber, FirstMadeGameNumber);
    if (number == UINT32_MAX) {
        throw Exception(TR_TEXT("MadeGames", "No game numbers are left for new games"));
    }
    Game.Record.SetGameNumber(number);
    Game.Record.SetIssueNumber(MadeIssueNumber);
    Game.Record.SetStreamKind(MadeStreamKind);
    if (const TText problem = MadeGameProblemText(Game); !problem.English().empty()) {
        throw Exception(TR_TEXT("MadeGames", "The new game cannot be kept: %1"), problem);
    }
    content.NextGameNumber = number + 1;
    content.Games.push_back(std::move(Game));
    Write(content);
    return number;
}

bool TMadeGames::Delete(uint32_t GameNumber)
{
    Load();
    if (FRefused) {
        throw Exception(FRefusal);
    }
    TMadeGamesContent content = FContent;
    const auto found = std::find_if(content.Games.begin(), content.Games.end(),
                                    [&](const TMadeGame& Game) { return Game.Record.GetGameNumber() == GameNumber; });
    if (found == content.Games.end()) {
        return false;
    }
    content.Games.erase(found);
    Write(content);
    return true;
}
