#include "SavedGame.h"

#include "Exception.h"
#include "Format.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "Stream.h"

#include <cstdlib>

namespace {

constexpr int SavedPuzzles = 10;
constexpr const char* LineEnd = "\r\n";

// A decimal integer as the whole text, as a 32-bit word; blanks around it
// are allowed.
uint32_t ParseNumber(const std::string& Text)
{
    size_t First = Text.find_first_not_of(" \t");
    size_t Last = Text.find_last_not_of(" \t");
    const std::string Trimmed = First == std::string::npos ? std::string() : Text.substr(First, Last - First + 1);
    bool Valid = !Trimmed.empty() && Trimmed.size() <= 11;
    size_t Start = !Trimmed.empty() && (Trimmed[0] == '-' || Trimmed[0] == '+') ? 1 : 0;
    if (Start == Trimmed.size())
        Valid = false;
    for (size_t Index = Start; Valid && Index < Trimmed.size(); ++Index)
        Valid = Trimmed[Index] >= '0' && Trimmed[Index] <= '9';
    if (Valid) {
        const long long Value = std::strtoll(Trimmed.c_str(), nullptr, 10);
        if (Value >= INT32_MIN && Value <= static_cast<long long>(UINT32_MAX))
            return static_cast<uint32_t>(Value);
    }
    std::string Shown = Text.substr(0, 40);
    for (char& Character : Shown)
        if (static_cast<unsigned char>(Character) < 32)
            Character = '?';
    throw Exception(TR_TEXT("SavedGame", "'%1' is not a valid integer value"), Shown);
}

}  // namespace

std::string SavedGameText(const TPuzzleXLink& Pyramid, uint32_t Issue, uint32_t Game)
{
    std::string Text = Format("%u,%u", Issue, Game) + LineEnd;
    for (int Index = 0; Index < SavedPuzzles; ++Index) {
        if (Index <= Pyramid.ChildCount()) {
            Text += Pyramid.GetValuesLine(Index) + LineEnd;
            Text += Pyramid.GetMarksLine(Index) + LineEnd;
            Text += Pyramid.GetErasuresLine(Index) + LineEnd;
        } else {
            Text += Format("%d,%d,%d,", Pyramid.SaveNumberA(), Pyramid.SaveNumberB(), Index) + std::string(81, '0') +
                    LineEnd;
            Text += LineEnd;
            Text += LineEnd;
        }
    }
    return Text;
}

std::string ProposedSaveName(const std::string& GameName, int Month, int Day)
{
    static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string Name;
    for (char Character : GameName)
        if (Character != '"' && Character != '?' && Character != '*' && Character != '/' && Character != '\\')
            Name += Character;
    const int MonthIndex = Month >= 1 && Month <= 12 ? Month - 1 : 0;
    return Name + " " + Months[MonthIndex] + Format("%02d", Day) + ".sav";
}

std::string TSavedGameReader::ReadLine()
{
    if (FLinesRead >= SavedGameLineCount)
        throw Exception(TR_TEXT("SavedGame", "Saved game: more lines were asked for than the file holds"));
    ++FLinesRead;
    std::string Line;
    char Character = 0;
    while (FSource.Read(&Character, 1) == 1) {
        if (Character == '\n')
            break;
        if (Line.size() >= static_cast<size_t>(MaxLineLength))
            throw Exception(TR_TEXT("SavedGame", "Saved game: line %1 is longer than %2 characters"), FLinesRead,
                            MaxLineLength);
        Line += Character;
    }
    if (!Line.empty() && Line.back() == '\r')
        Line.pop_back();
    return Line;
}

TSavedGameName TSavedGameReader::ReadName()
{
    const std::string Line = ReadLine();
    const size_t Comma = Line.find(',');
    TSavedGameName Name;
    Name.Issue = ParseNumber(Line.substr(0, Comma));
    if (Comma == std::string::npos)
        throw Exception(TR_TEXT("SavedGame", "Saved game: the first line names no game"));
    const size_t Next = Line.find(',', Comma + 1);
    Name.Game = ParseNumber(Line.substr(Comma + 1, Next == std::string::npos ? std::string::npos : Next - Comma - 1));
    return Name;
}

std::string TSavedGameReader::DigitField(const std::string& Line) const
{
    size_t Position = 0;
    for (int Field = 0; Field < 3; ++Field) {
        Position = Line.find(',', Position);
        if (Position == std::string::npos)
            throw Exception(TR_TEXT("SavedGame", "Saved game: line %1 is not a values line"), FLinesRead);
        ++Position;
    }
    return Line.substr(Position);
}

void TSavedGameReader::LoadInto(TPuzzleXLink& Pyramid)
{
    for (int Index = 0; Index <= Pyramid.ChildCount() && Index < SavedPuzzles; ++Index) {
        TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        Puzzle.LoadEntries(DigitField(ReadLine()));
        Puzzle.LoadUserMarks(ReadLine());
        Puzzle.LoadErasures(ReadLine());
    }
}
