#include "MadeGamesFormat.h"

#include "DataFields.h"
#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <array>
#include <cstring>
#include <set>

const char* const MadeGamesFileName = "MYGAMES.DAT";
const char* const MadeIssueDescription = "Made on this computer";

namespace {

constexpr uint8_t Magic[8] = {'T', 'V', 'M', 'A', 'D', 'E', '\r', '\n'};
constexpr uint32_t FormatVersion = 1;
constexpr int PuzzleRecordBytes = 176;
constexpr int DigitsOffset = 12;
constexpr int GivensOffset = 93;
constexpr int LayoutTypes = 14;
// Layout 7 has one child; every other layout nine.
constexpr int OneChildLayout = 7;

int PuzzleCountOf(uint8_t LayoutType)
{
    return LayoutType == OneChildLayout ? 2 : 10;
}

std::array<uint8_t, 16> Checksum(const uint8_t* Data, size_t Size)
{
    TMemoryStream stream(std::vector<uint8_t>(Data, Data + Size));
    std::array<uint8_t, 16> digest{};
    if (!GetStreamHash(1, stream, digest.data())) {
        throw Exception(
            TR_TEXT("MadeGamesFormat", "The checksum of the games made on this computer could not be computed"));
    }
    return digest;
}

}  // namespace

TText MadeGameProblemText(const TMadeGame& Game)
{
    const TPuzzleInfo& record = Game.Record;
    if (record.GetRecordFormat() != 1) {
        return TText(TR_TEXT("MadeGamesFormat", "wrong record format"));
    }
    if (record.GetRebuildFlag() != 1) {
        return TText(TR_TEXT("MadeGamesFormat", "wrong rebuild flag"));
    }
    if (record.GetIssueNumber() != MadeIssueNumber) {
        return TText(TR_TEXT("MadeGamesFormat", "not a made game's issue"));
    }
    if (!IsMadeGameNumber(record.GetGameNumber()) || record.GetGameNumber() == MadeIssueNumber) {
        return TText(TR_TEXT("MadeGamesFormat", "game number %1 is not a made game's"), record.GetGameNumber());
    }
    if (record.GetLayoutType() >= LayoutTypes) {
        return TText(TR_TEXT("MadeGamesFormat", "unknown layout type %1"), record.GetLayoutType());
    }
    if (record.GetStreamKind() != MadeStreamKind) {
        return TText(TR_TEXT("MadeGamesFormat", "wrong stream kind"));
    }
    const int puzzles = PuzzleCountOf(record.GetLayoutType());
    if (Game.Stream.size() != static_cast<size_t>(puzzles * PuzzleRecordBytes)) {
        return TText(TR_TEXT("MadeGamesFormat", "wrong puzzle stream size"));
    }
    for (int puzzle = 0; puzzle < puzzles; ++puzzle) {
        const uint8_t* at = Game.Stream.data() + puzzle * PuzzleRecordBytes;
        for (int cell = 0; cell < 81; ++cell) {
            const uint8_t digit = at[DigitsOffset + cell];
            const uint8_t given = at[GivensOffset + cell];
            if (digit < 1 || digit > 9 || given > 1) {
                return TText(TR_TEXT("MadeGamesFormat", "puzzle %1 holds a wrong digit or given flag"), puzzle);
            }
        }
    }
    return TText();
}

std::string MadeGameProblem(const TMadeGame& Game)
{
    return MadeGameProblemText(Game).English();
}

TMadeGamesContent ReadMadeGames(const std::vector<uint8_t>& Bytes, const std::string& FileName)
{
    const auto refuse = [&](const TText& Why) {
        return Exception(TR_TEXT("MadeGamesFormat", "Invalid file %1 - %2"), FileName, Why);
    };
    constexpr size_t minimum = TMadeGamesContent::HeaderSize + TMadeGamesContent::ChecksumSize;
    if (Bytes.size() < minimum || std::memcmp(Bytes.data(), Magic, sizeof Magic) != 0) {
        throw refuse(TText(TR_TEXT("MadeGamesFormat", "not a file of games made on this computer")));
    }
    const size_t body = Bytes.size() - TMadeGamesContent::ChecksumSize;
    if (Checksum(Bytes.data(), body) != [&] {
            std::array<uint8_t, 16> stored{};
            std::memcpy(stored.data(), Bytes.data() + body, stored.size());
            return stored;
        }()) {
        throw refuse(TText(TR_TEXT("MadeGamesFormat", "damaged (its checksum does not match)")));
    }
    if (DataFields::GetUInt32(Bytes.data() + 8) != FormatVersion) {
        throw refuse(TText(TR_TEXT("MadeGamesFormat", "Wrong version")));
    }
    TMadeGamesContent content;
    content.NextGameNumber = DataFields::GetUInt32(Bytes.data() + 12);
    const uint32_t count = DataFields::GetUInt32(Bytes.data() + 16);
    size_t at = TMadeGamesContent::HeaderSize;
    std::set<uint32_t> numbers;
    for (uint32_t index = 0; index < count; ++index) {
        if (body - at < static_cast<size_t>(TPuzzleInfo::RecordSize) + 4) {
            throw refuse(TText(TR_TEXT("MadeGamesFormat", "game %1 is cut short"), index + 1));
        }
        TMadeGame game;
        std::memcpy(game.Record.Data(), Bytes.data() + at, TPuzzleInfo::RecordSize);
        at += TPuzzleInfo::RecordSize;
        const uint32_t length = DataFields::GetUInt32(Bytes.data() + at);
        at += 4;
        if (length > body - at) {
            throw refuse(TText(TR_TEXT("MadeGamesFormat", "game %1 is cut short"), index + 1));
        }
        game.Stream.assign(Bytes.begin() + static_cast<std::ptrdiff_t>(at),
                           Bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
        if (const TText problem = MadeGameProblemText(game); !problem.English().empty()) {
            throw refuse(TText(TR_TEXT("MadeGamesFormat", "game %1: %2"), index + 1, problem));
        }
        const uint32_t number = game.Record.GetGameNumber();
        if (number >= content.NextGameNumber || !numbers.insert(number).second) {
            throw refuse(
                TText(TR_TEXT("MadeGamesFormat", "game number %1 is listed twice or was never handed out"), number));
        }
        content.Games.push_back(std::move(game));
    }
    if (at != body) {
        throw refuse(TText(TR_TEXT("MadeGamesFormat", "bytes after the last game")));
    }
    return content;
}

std::vector<uint8_t> WriteMadeGames(const TMadeGamesContent& Content)
{
    std::vector<uint8_t> bytes(TMadeGamesContent::HeaderSize);
    std::memcpy(bytes.data(), Magic, sizeof Magic);
    DataFields::PutUInt32(bytes.data() + 8, FormatVersion);
    DataFields::PutUInt32(bytes.data() + 12, Content.NextGameNumber);
    DataFields::PutUInt32(bytes.data() + 16, static_cast<uint32_t>(Content.Games.size()));
    for (const TMadeGame& game : Content.Games) {
        bytes.insert(bytes.end(), game.Record.Bytes().begin(), game.Record.Bytes().end());
        uint8_t length[4];
        DataFields::PutUInt32(length, static_cast<uint32_t>(game.Stream.size()));
        bytes.insert(bytes.end(), length, length + 4);
        bytes.insert(bytes.end(), game.Stream.begin(), game.Stream.end());
    }
    const std::array<uint8_t, 16> digest = Checksum(bytes.data(), bytes.size());
    bytes.insert(bytes.end(), digest.begin(), digest.end());
    return bytes;
}
