#include "GameRecords.h"

#include "Checksum.h"
#include "Exception.h"
#include "Format.h"

#include <algorithm>
#include <cinttypes>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char* FirstLine = "Tavrel Sudoku records 1";
constexpr size_t Fields = 8;

std::string CheckLine(const std::string& Body)
{
    return Format("check %016" PRIx64 "\n", TextCheck(Body));
}

// Fields comma-separated decimal numbers from 0 to INT64_MAX / 2.
std::vector<int64_t> NumbersOf(const std::string& Text, int Line)
{
    std::vector<int64_t> Values;
    size_t Start = 0;
    for (;;) {
        size_t End = Text.find(',', Start);
        if (End == std::string::npos)
            End = Text.size();
        const std::string Field = Text.substr(Start, End - Start);
        bool Valid = !Field.empty() && Field.size() <= 18;
        for (size_t Index = 0; Valid && Index < Field.size(); ++Index)
            Valid = Field[Index] >= '0' && Field[Index] <= '9';
        if (!Valid || Values.size() == Fields)
            throw Exception(TR_TEXT("GameRecords", "Records file: line %1 holds a number out of place"), Line);
        Values.push_back(std::strtoll(Field.c_str(), nullptr, 10));
        if (End == Text.size())
            break;
        Start = End + 1;
    }
    if (Values.size() != Fields)
        throw Exception(TR_TEXT("GameRecords", "Records file: line %1 holds too few numbers"), Line);
    return Values;
}

}  // namespace

const TGameRecord* TGameRecords::Find(uint32_t Game) const
{
    const auto Found = FRecords.find(Game);
    return Found == FRecords.end() ? nullptr : &Found->second;
}

TGameRecord& TGameRecords::Started(uint32_t Game, int64_t Now)
{
    const auto [Place, Made] = FRecords.try_emplace(Game);
    if (Made)
        Place->second.FirstStarted = Now;
    return Place->second;
}

void TGameRecords::Solved(uint32_t Game, int64_t Now, int64_t PlayedMs)
{
    TGameRecord& Record = Started(Game, Now);
    if (Record.Solved != 0)
        return;
    Record.Solved = Now;
    Record.SolvedInMs = PlayedMs;
    Record.PlayedMs = std::max(Record.PlayedMs, PlayedMs);
}

std::string TGameRecords::Text() const
{
    std::string Text = std::string(FirstLine) + '\n';
    for (const auto& [Game, Record] : FRecords)
        Text += Format("game %u,%" PRId64 ",%" PRId64 ",%" PRId64 ",%" PRId64 ",%d,%d,%d\n", Game, Record.FirstStarted,
                       Record.PlayedMs, Record.Solved, Record.SolvedInMs, Record.StepsShown, Record.StepsMade,
                       Record.Solves);
    return Text + CheckLine(Text);
}

TGameRecords TGameRecords::Read(const std::string& Text)
{
    const size_t CheckAt = Text.rfind("check ");
    if (CheckAt == std::string::npos || (CheckAt > 0 && Text[CheckAt - 1] != '\n') ||
        Text.compare(CheckAt, std::string::npos, CheckLine(Text.substr(0, CheckAt))) != 0)
        throw Exception(TR_TEXT("GameRecords", "Records file: its check does not match its contents"));
    const std::string Body = Text.substr(0, CheckAt);
    if (Body.compare(0, std::char_traits<char>::length(FirstLine) + 1, std::string(FirstLine) + '\n') != 0)
        throw Exception(TR_TEXT("GameRecords", "Records file: it is not a records file of this program"));
    TGameRecords Records;
    size_t Position = std::char_traits<char>::length(FirstLine) + 1;
    int Line = 1;
    while (Position < Body.size()) {
        const size_t End = Body.find('\n', Position);
        const std::string Row = Body.substr(Position, End - Position);
        Position = End + 1;
        ++Line;
        if (Row.compare(0, 5, "game ") != 0)
            throw Exception(TR_TEXT("GameRecords", "Records file: line %1 is not a game's"), Line);
        const std::vector<int64_t> Value = NumbersOf(Row.substr(5), Line);
        constexpr int64_t Count = INT32_MAX;
        if (Value[0] > UINT32_MAX || Value[5] > Count || Value[6] > Count || Value[7] > Count ||
            static_cast<int>(Records.FRecords.size()) >= MaxRecordedGames)
            throw Exception(TR_TEXT("GameRecords", "Records file: line %1 holds a number out of place"), Line);
        const auto Game = static_cast<uint32_t>(Value[0]);
        if (Records.FRecords.count(Game) != 0)
            throw Exception(TR_TEXT("GameRecords", "Records file: game %1 is recorded twice"), Game);
        Records.FRecords[Game] = TGameRecord{Value[1],
                                             Value[2],
                                             Value[3],
                                             Value[4],
                                             static_cast<int>(Value[5]),
                                             static_cast<int>(Value[6]),
                                             static_cast<int>(Value[7])};
    }
    return Records;
}
