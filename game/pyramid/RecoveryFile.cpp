#include "RecoveryFile.h"

#include "Checksum.h"
#include "Exception.h"
#include "Format.h"
#include "MemoryStream.h"
#include "PuzzleXLink.h"
#include "SavedGame.h"

#include <charconv>
#include <cinttypes>
#include <cstdlib>

namespace {

constexpr const char* FirstLine = "Tavrel Sudoku recovery 1";

std::string Numbers(std::initializer_list<int64_t> Values)
{
    // A game deep in play writes thousands of these a second after each
    // change: std::to_chars, not a formatted print.
    char Buffer[24 * 12];
    char* End = Buffer;
    for (const int64_t Value : Values) {
        if (End != Buffer)
            *End++ = ',';
        End = std::to_chars(End, Buffer + sizeof Buffer, Value).ptr;
    }
    return std::string(Buffer, End);
}

// A text free of line ends, so that it stays one line.
std::string OneLine(const std::string& Text)
{
    return Text.find_first_of("\r\n") == std::string::npos ? Text : std::string();
}

class TLines {
public:
    explicit TLines(const std::string& Text) : FText(Text) {}

    bool AtEnd() const { return FPosition >= FText.size(); }

    // The next line, which must begin with Key and a blank; the rest.
    std::string Next(const char* Key)
    {
        if (AtEnd())
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: it ends before its \"%1\" line"), Key);
        const size_t End = FText.find('\n', FPosition);
        if (End == std::string::npos)
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: its last line has no end"));
        const std::string Line = FText.substr(FPosition, End - FPosition);
        FPosition = End + 1;
        ++FLine;
        if (Line.size() > static_cast<size_t>(MaxRecoveryLineLength))
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: line %1 is too long"), FLine);
        const std::string Prefix = std::string(Key) + ' ';
        if (Line.compare(0, Prefix.size(), Prefix) != 0)
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: line %1 is not its \"%2\" line"), FLine, Key);
        return Line.substr(Prefix.size());
    }

    // Count comma-separated numbers, each within Low..High.
    std::vector<int64_t> Numbers(const char* Key, size_t Count, int64_t Low, int64_t High)
    {
        const std::string Text = Next(Key);
        std::vector<int64_t> Values;
        size_t Start = 0;
        while (Values.size() < Count) {
            size_t End = Text.find(',', Start);
            if (End == std::string::npos)
                End = Text.size();
            const std::string Field = Text.substr(Start, End - Start);
            bool Valid = !Field.empty() && Field.size() <= 20;
            for (size_t Index = Field[0] == '-' ? 1 : 0; Valid && Index < Field.size(); ++Index)
                Valid = Field[Index] >= '0' && Field[Index] <= '9';
            Valid = Valid && Field != "-";
            const long long Value = Valid ? std::strtoll(Field.c_str(), nullptr, 10) : 0;
            if (!Valid || Value < Low || Value > High)
                throw Exception(TR_TEXT("RecoveryFile", "Recovery file: line %1 holds a number out of place"), FLine);
            Values.push_back(Value);
            Start = End + 1;
            if (End == Text.size() && Values.size() < Count)
                throw Exception(TR_TEXT("RecoveryFile", "Recovery file: line %1 holds too few numbers"), FLine);
        }
        if (Start <= Text.size())
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: line %1 holds too many numbers"), FLine);
        return Values;
    }

private:
    const std::string& FText;
    size_t FPosition = 0;
    int FLine = 0;
};

constexpr int64_t MaxStamp = INT64_MAX / 2;
constexpr size_t RecordCount = 7;

std::string RecordFields(const TUndoRecord& Record)
{
    return Numbers({Record.Row, Record.Col, Record.NewValue, Record.OldValue, static_cast<int64_t>(Record.Stamp),
                    static_cast<int64_t>(Record.Order), Record.Carried ? 1 : 0});
}

// The record in the first seven fields; squares and digits beyond any
// puzzle's are kept beyond it, for the puzzle to refuse.
TUndoRecord RecordOf(const std::vector<int64_t>& Field)
{
    const auto Small = [&Field](size_t At) { return static_cast<int>(std::min<int64_t>(Field[At], 99)); };
    return TUndoRecord{
        Small(0),     Small(1), Small(2), Small(3), static_cast<uint64_t>(Field[4]), static_cast<uint64_t>(Field[5]),
        Field[6] != 0};
}

}  // namespace

uint64_t RecoveryCheck(const std::string& Text)
{
    return TextCheck(Text);
}

void CapturePyramid(const TPuzzleXLink& Pyramid, TRecoveryState& State)
{
    State.SavedGame = SavedGameText(Pyramid, State.Issue, State.Game);
    State.Histories.clear();
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        State.Histories.push_back(Pyramid.GetPuzzle(Index)->History());
}

std::string RecoveryText(const TRecoveryState& State)
{
    std::string Text = std::string(FirstLine) + '\n';
    Text += "game " + Numbers({State.Issue, State.Game}) + '\n';
    Text += "name " + OneLine(State.GameName) + '\n';
    Text += "file " + OneLine(State.FileInUse) + '\n';
    Text += "written " + Numbers({State.Written}) + '\n';
    Text += "view " + Numbers({State.Child, State.Sheet, State.Highlight, State.UndoPuzzle}) + '\n';
    Text += "played " + Numbers({State.PlayedMs}) + '\n';
    size_t Start = 0;
    for (int Line = 0; Line < SavedGameLineCount; ++Line) {
        const size_t End = State.SavedGame.find("\r\n", Start);
        const std::string Saved = End == std::string::npos ? std::string() : State.SavedGame.substr(Start, End - Start);
        Text += "save " + Saved + '\n';
        Start = End == std::string::npos ? State.SavedGame.size() : End + 2;
    }
    for (size_t Index = 0; Index < State.Histories.size(); ++Index) {
        const TPuzzleHistory& History = State.Histories[Index];
        Text += "history " +
                Numbers({static_cast<int64_t>(Index), static_cast<int64_t>(History.NextStamp),
                         static_cast<int64_t>(History.Undo.size()), static_cast<int64_t>(History.Checkpoints.size()),
                         static_cast<int64_t>(History.Redo.size())}) +
                '\n';
        for (const TUndoRecord& Record : History.Undo)
            Text += "u " + RecordFields(Record) + '\n';
        for (const int Kept : History.Checkpoints)
            Text += "c " + Numbers({Kept}) + '\n';
        for (const TRedoRecord& Entry : History.Redo)
            Text += "r " + RecordFields(Entry.Record) + ',' +
                    Numbers({Entry.Before, Entry.After, static_cast<int64_t>(Entry.ParentMirror),
                             static_cast<int64_t>(Entry.ChildMirror)}) +
                    '\n';
    }
    Text += Format("check %016" PRIx64 "\n", RecoveryCheck(Text));
    return Text;
}

TRecoveryState ReadRecovery(const std::string& Text)
{
    // The check first: a file cut short or changed by hand is refused whole.
    const size_t CheckAt = Text.rfind("check ");
    if (CheckAt == std::string::npos || (CheckAt > 0 && Text[CheckAt - 1] != '\n') ||
        Text.size() != CheckAt + 6 + 16 + 1 || Text.back() != '\n')
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: it has no check at its end"));
    const std::string Body = Text.substr(0, CheckAt);
    if (Text.substr(CheckAt, 6 + 16) != Format("check %016" PRIx64, RecoveryCheck(Body)))
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: its check does not match its contents"));

    TLines Lines(Body);
    TRecoveryState State;
    if (Body.compare(0, std::char_traits<char>::length(FirstLine) + 1, std::string(FirstLine) + '\n') != 0)
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: it is not a recovery file of this program"));
    Lines.Next("Tavrel");
    const std::vector<int64_t> Game = Lines.Numbers("game", 2, 0, UINT32_MAX);
    State.Issue = static_cast<uint32_t>(Game[0]);
    State.Game = static_cast<uint32_t>(Game[1]);
    State.GameName = Lines.Next("name");
    State.FileInUse = Lines.Next("file");
    State.Written = Lines.Numbers("written", 1, 0, INT64_MAX / 2)[0];
    const std::vector<int64_t> View = Lines.Numbers("view", 4, 0, 10);
    State.Child = static_cast<int>(View[0]);
    State.Sheet = static_cast<int>(View[1]);
    State.Highlight = static_cast<int>(View[2]);
    State.UndoPuzzle = static_cast<int>(View[3]);
    State.PlayedMs = Lines.Numbers("played", 1, 0, INT64_MAX / 2)[0];
    for (int Line = 0; Line < SavedGameLineCount; ++Line)
        State.SavedGame += Lines.Next("save") + "\r\n";
    while (!Lines.AtEnd()) {
        const std::vector<int64_t> Head =
            Lines.Numbers("history", 5, 0, std::max<int64_t>(MaxStamp, MaxRecoveredRecords));
        if (Head[0] != static_cast<int64_t>(State.Histories.size()) || Head[0] > 9 || Head[2] > MaxRecoveredRecords ||
            Head[3] > MaxRecoveredRecords || Head[4] > MaxRecoveredRecords)
            throw Exception(TR_TEXT("RecoveryFile", "Recovery file: a history is out of order or too long"));
        TPuzzleHistory History;
        History.NextStamp = static_cast<uint64_t>(Head[1]);
        for (int64_t Index = 0; Index < Head[2]; ++Index) {
            History.Undo.push_back(RecordOf(Lines.Numbers("u", RecordCount, 0, MaxStamp)));
        }
        for (int64_t Index = 0; Index < Head[3]; ++Index)
            History.Checkpoints.push_back(static_cast<int>(Lines.Numbers("c", 1, 0, MaxRecoveredRecords)[0]));
        for (int64_t Index = 0; Index < Head[4]; ++Index) {
            const std::vector<int64_t> Field = Lines.Numbers("r", RecordCount + 4, 0, MaxStamp);
            const auto Small = [&Field](size_t At) { return static_cast<int>(std::min<int64_t>(Field[At], 99)); };
            History.Redo.push_back(TRedoRecord{RecordOf(Field), Small(7), Small(8), static_cast<uint64_t>(Field[9]),
                                               static_cast<uint64_t>(Field[10])});
        }
        State.Histories.push_back(std::move(History));
    }
    if (State.Histories.empty())
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: it holds no puzzle's history"));
    return State;
}

void RestorePyramid(const TRecoveryState& State, TPuzzleXLink& Pyramid)
{
    if (State.Histories.size() != static_cast<size_t>(Pyramid.ChildCount()) + 1)
        throw Exception(
            TR_TEXT("RecoveryFile", "Recovery file: it holds %1 puzzles' histories for a pyramid of %2 puzzles"),
            static_cast<int>(State.Histories.size()), Pyramid.ChildCount() + 1);
    if (State.Child < 1 || State.Child > Pyramid.ChildCount())
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: the child shown is not one of the pyramid's"));
    if (State.UndoPuzzle > Pyramid.ChildCount())
        throw Exception(
            TR_TEXT("RecoveryFile", "Recovery file: the puzzle the commands act on is not one of the pyramid's"));
    TMemoryStream Saved(std::vector<uint8_t>(State.SavedGame.begin(), State.SavedGame.end()));
    TSavedGameReader Reader(Saved);
    const TSavedGameName Name = Reader.ReadName();
    if (Name.Issue != State.Issue || Name.Game != State.Game)
        throw Exception(TR_TEXT("RecoveryFile", "Recovery file: its entries are of another game"));
    Reader.LoadInto(Pyramid);
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        Pyramid.GetPuzzle(Index)->RestoreHistory(State.Histories[static_cast<size_t>(Index)]);
}
