#include "Puzzle.h"

#include "Exception.h"
#include "NoPossibilities.h"
#include "QVSettings.h"

#include <algorithm>
#include <cstdio>
#include <memory>

// Runs a bulk update: the flag is down again however the update ends, so a
// failed load never leaves the puzzle silent.
class TUpdateScope {
public:
    explicit TUpdateScope(TPuzzle& Puzzle) : FPuzzle(Puzzle) { FPuzzle.FUpdating = true; }
    ~TUpdateScope() { FPuzzle.FUpdating = false; }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TPuzzle& FPuzzle;
};

class TUndoScope {
public:
    explicit TUndoScope(TPuzzle& Puzzle) : FPuzzle(Puzzle) { FPuzzle.FUndoing = true; }
    ~TUndoScope() { FPuzzle.FUndoing = false; }
    TUndoScope(const TUndoScope&) = delete;
    TUndoScope& operator=(const TUndoScope&) = delete;

private:
    TPuzzle& FPuzzle;
};

// Tells the listener what the puzzle can undo and redo once the operation
// that changed it has ended.
class THistoryNotice {
public:
    explicit THistoryNotice(TPuzzle& Puzzle) : FPuzzle(Puzzle) {}
    ~THistoryNotice() { FPuzzle.TellHistory(); }
    THistoryNotice(const THistoryNotice&) = delete;
    THistoryNotice& operator=(const THistoryNotice&) = delete;

private:
    TPuzzle& FPuzzle;
};

void TPuzzle::TellHistory()
{
    if (CanUndo() == FToldUndo && CanRedo() == FToldRedo)
        return;
    FToldUndo = CanUndo();
    FToldRedo = CanRedo();
    if (FHistoryListener)
        FHistoryListener();
}

TPuzzle::TPuzzle()
{
    {
        TUpdateScope Update(*this);
        for (int Index = 0; Index < 9; ++Index) {
            FRows[Index].emplace(this);
            FColumns[Index].emplace(this);
            FBoxes[Index].emplace(this);
        }
        for (int Row = 0; Row < 9; ++Row) {
            for (int Col = 0; Col < 9; ++Col) {
                const TPosition Position{Row, Col};
                THouse* BoxHouse = &*FBoxes[Position.Box()];
                TCell& Cell = FCells[Position.Index()].emplace(this, Position, &*FRows[Row], &*FColumns[Col], BoxHouse);
                FRows[Row]->PlaceCell(Col, &Cell);
                FColumns[Col]->PlaceCell(Row, &Cell);
                BoxHouse->PlaceCell(Position.Place(), &Cell);
            }
        }
        FSolved = false;
        ClearUserMarks();
        FUndoList.resize(InitialUndoRoom);
        FCheckpoints.resize(InitialCheckpointRoom);
        FCheckpointCount = 0;
        FChanged = false;
    }
}

TPuzzle::~TPuzzle() = default;

void TPuzzle::SetShading(bool Shaded)
{
    // Cells without a partner are always normal cells, in the colour the
    // settings have now (a dark scheme has no white cells).
    const TColor Normal = Settings().GetColour(colNormalBg);
    const TColor Colour = Shaded ? Settings().GetColour(colShadedBg) : Normal;
    for (auto& Cell : FCells)
        Cell->SetColour(Cell->ParentLinkOfCell() ? Colour : Normal);
}

TCell* TPuzzle::CellAt(const TPosition& Position)
{
    return CellAt(Position.Row, Position.Col);
}

TCell* TPuzzle::CellAt(int Row, int Col)
{
    if (Row < 0 || Row > 8 || Col < 0 || Col > 8)
        return nullptr;
    return &*FCells[Row * 9 + Col];
}

const TCell* TPuzzle::CellAt(int Row, int Col) const
{
    return const_cast<TPuzzle*>(this)->CellAt(Row, Col);
}

TCell* TPuzzle::CellByIndex(int Index)
{
    if (Index < 0 || Index > 80)
        return nullptr;
    return &*FCells[Index];
}

const TCell* TPuzzle::CellByIndex(int Index) const
{
    return const_cast<TPuzzle*>(this)->CellByIndex(Index);
}

TCell* TPuzzle::BoxCell(int Box, int Place)
{
    if (Box < 0 || Box > 8 || Place < 0 || Place > 8)
        return nullptr;
    return CellAt(TPosition::FromBoxPlace(Box, Place));
}

void TPuzzle::SetChildLink(int Box, int Place, TCell* Link)
{
    if (TCell* Cell = BoxCell(Box, Place))
        Cell->SetChildLinkOfCell(Link);
}

void TPuzzle::SetChildLink(const TPosition& Position, TCell* Link)
{
    if (TCell* Cell = CellAt(Position))
        Cell->SetChildLinkOfCell(Link);
}

void TPuzzle::SetParentLink(int Box, int Place, TCell* Link)
{
    if (TCell* Cell = BoxCell(Box, Place))
        Cell->SetParentLinkOfCell(Link);
}

void TPuzzle::SetParentLink(const TPosition& Position, TCell* Link)
{
    if (TCell* Cell = CellAt(Position))
        Cell->SetParentLinkOfCell(Link);
}

void TPuzzle::CellChanged(const TPosition& Position)
{
    FChanged = true;
    FSolved = false;
    if (FDisplayLink)
        FDisplayLink->CellChanged(Position);
}

void TPuzzle::Refresh()
{
    if (!FUpdating && FDisplayLink)
        FDisplayLink->PuzzleChanged();
}

void TPuzzle::AddUndoRecord(int Row, int Col, int NewValue, int OldValue)
{
    TUndoRecord Record{Row, Col, NewValue, OldValue};
    Record.Order = TEntryClock::Now();
    Record.Carried = TEntryClock::Carrying();
    PushUndoRecord(Record);
}

const TUndoRecord* TPuzzle::NewestRecordOf(int Row, int Col) const
{
    for (int Index = FUndoCount - 1; Index >= 0; --Index)
        if (FUndoList[Index].Row == Row && FUndoList[Index].Col == Col)
            return &FUndoList[Index];
    return nullptr;
}

TUndoRecord TPuzzle::PopRecord()
{
    --FUndoCount;
    return FUndoList[FUndoCount];
}

std::vector<TTakenBack> TPuzzle::TakeBackSince(const std::vector<TPuzzle*>& Puzzles, uint64_t First)
{
    std::vector<TTakenBack> Taken;
    {
        // Every list is a true history of its cells, and each change of a
        // linked pair is written in one list at least; taken back newest
        // first across the lists, each pair ends with the value it held
        // before entry First, whichever list saw the change last.
        std::vector<std::unique_ptr<TUndoScope>> Replays;
        for (TPuzzle* Puzzle : Puzzles)
            Replays.push_back(std::make_unique<TUndoScope>(*Puzzle));
        for (;;) {
            TPuzzle* Newest = nullptr;
            for (TPuzzle* Puzzle : Puzzles) {
                if (Puzzle->FUndoCount == 0)
                    continue;
                const uint64_t Order = Puzzle->FUndoList[Puzzle->FUndoCount - 1].Order;
                if (Order >= First && (Newest == nullptr || Order > Newest->FUndoList[Newest->FUndoCount - 1].Order))
                    Newest = Puzzle;
            }
            if (Newest == nullptr)
                break;
            const TUndoRecord Record = Newest->PopRecord();
            Newest->CellAt(Record.Row, Record.Col)->SetValue(Record.OldValue);
            Taken.push_back({Newest, Record});
        }
    }
    for (TPuzzle* Puzzle : Puzzles) {
        Puzzle->FRedoList.clear();
        Puzzle->TellHistory();
    }
    return Taken;
}

void TPuzzle::PutBack(const std::vector<TPuzzle*>& Puzzles, const std::vector<TTakenBack>& Taken)
{
    {
        std::vector<std::unique_ptr<TUndoScope>> Replays;
        for (TPuzzle* Puzzle : Puzzles)
            Replays.push_back(std::make_unique<TUndoScope>(*Puzzle));
        for (auto Back = Taken.rbegin(); Back != Taken.rend(); ++Back) {
            Back->Puzzle->CellAt(Back->Record.Row, Back->Record.Col)->SetValue(Back->Record.NewValue);
            Back->Puzzle->PushUndoRecord(Back->Record);
        }
    }
    for (TPuzzle* Puzzle : Puzzles) {
        Puzzle->FRedoList.clear();
        Puzzle->TellHistory();
    }
}

void TPuzzle::PushUndoRecord(const TUndoRecord& Record)
{
    // Grow as the last free slot is taken, so there is always room ahead.
    if (FUndoCount >= static_cast<int>(FUndoList.size()) - 1)
        FUndoList.resize(FUndoList.size() + UndoGrowth);
    FUndoList[FUndoCount] = Record;
    FUndoList[FUndoCount].Stamp = FNextStamp++;
    ++FUndoCount;
    TellHistory();
}

TPuzzleHistory TPuzzle::History() const
{
    TPuzzleHistory History;
    History.Undo.assign(FUndoList.begin(), FUndoList.begin() + FUndoCount);
    History.Checkpoints.assign(FCheckpoints.begin() + 1, FCheckpoints.begin() + 1 + FCheckpointCount);
    History.Redo = FRedoList;
    History.NextStamp = FNextStamp;
    return History;
}

namespace {

bool RecordFits(const TUndoRecord& Record, uint64_t NextStamp)
{
    const auto Digit = [](int Value) { return Value >= 0 && Value <= 9; };
    return Record.Row >= 0 && Record.Row < 9 && Record.Col >= 0 && Record.Col < 9 && Digit(Record.NewValue) &&
           Digit(Record.OldValue) && Record.Stamp < NextStamp;
}

}  // namespace

void TPuzzle::RestoreHistory(const TPuzzleHistory& History)
{
    const uint64_t Next = History.NextStamp;
    for (const TUndoRecord& Record : History.Undo)
        if (!RecordFits(Record, Next))
            throw Exception(TR_TEXT("Puzzle", "An undo record names a square, a digit or a stamp no puzzle has"));
    // A checkpoint may lie beyond the records (values were taken back past
    // it) and below an older one (set again after such an undo).
    for (const int Kept : History.Checkpoints)
        if (Kept < 0 || Kept > MaxCheckpointRecords)
            throw Exception(TR_TEXT("Puzzle", "A checkpoint keeps a number of records no puzzle has"));
    for (const TRedoRecord& Entry : History.Redo)
        if (!RecordFits(Entry.Record, Next) || Entry.Before < 0 || Entry.Before > 9 || Entry.After < 0 ||
            Entry.After > 9)
            throw Exception(TR_TEXT("Puzzle", "A value to redo names a square, a digit or a stamp no puzzle has"));
    const THistoryNotice Notice(*this);
    FUndoCount = static_cast<int>(History.Undo.size());
    FUndoList.assign(History.Undo.begin(), History.Undo.end());
    FUndoList.resize(std::max<size_t>(FUndoList.size() + UndoGrowth, InitialUndoRoom));
    FCheckpointCount = static_cast<int>(History.Checkpoints.size());
    FCheckpoints.assign(1, 0);
    FCheckpoints.insert(FCheckpoints.end(), History.Checkpoints.begin(), History.Checkpoints.end());
    FCheckpoints.resize(std::max<size_t>(FCheckpoints.size() + CheckpointGrowth, InitialCheckpointRoom));
    FRedoList = History.Redo;
    FNextStamp = std::max<uint64_t>(Next, 1);
    for (const TUndoRecord& Record : History.Undo)
        TEntryClock::Reach(Record.Order);
    for (const TRedoRecord& Entry : History.Redo)
        TEntryClock::Reach(Entry.Record.Order);
}

void TPuzzle::ClearHistory()
{
    FUndoCount = 0;
    FCheckpointCount = 0;
    FRedoList.clear();
    TellHistory();
}

void TPuzzle::ResetAll(bool CopyLinks, bool ClearSolution)
{
    // The values change silently, so nothing taken back fits any more.
    const THistoryNotice Notice(*this);
    FRedoList.clear();
    for (auto& Cell : FCells)
        Cell->Reset(ClearSolution);
    if (CopyLinks || ClearSolution) {
        for (auto& Cell : FCells)
            Cell->CopyParentSolution();
    }
    Refresh();
    FChanged = false;
}

void TPuzzle::ClearUserMarks()
{
    for (auto& Cell : FCells) {
        TBitMask& Marks = Cell->MaskOfKind(mkUserMarks);
        Marks.SetBits(Marks.Bits() & ~AllDigitBits);
    }
    Refresh();
}

void TPuzzle::ClearEntries()
{
    {
        TUpdateScope Update(*this);
        for (auto& Cell : FCells) {
            if (!Cell->GetRevealed())
                Cell->SetValue(0);
        }
        ClearHistory();
        FSolved = false;
    }
    FChanged = false;
}

void TPuzzle::LoadPuzzle(std::span<const uint8_t, 81> SolutionDigits, std::span<const uint8_t, 81> GivenFlags)
{
    {
        TUpdateScope Update(*this);
        ResetAll(true, true);
        for (int Index = 0; Index < 81; ++Index)
            FCells[Index]->SetSolution(SolutionDigits[Index]);
        ResetAll(true, false);
        for (int Index = 0; Index < 81; ++Index)
            FCells[Index]->SetRevealed(GivenFlags[Index] != 0);
        for (auto& Cell : FCells) {
            if (Cell->GetValue() == 0)
                Cell->RecomputePossible();
        }
    }
    // The cached answer belonged to the previous contents; the load's own
    // changes are silent and would not drop it.
    FSolved = false;
    FChanged = false;
    Refresh();
}

void TPuzzle::LoadEntries(const std::string& Text)
{
    // Checked before anything changes, so a bad text leaves the game as it was.
    for (int Index = 0; Index < 81; ++Index) {
        if (Index >= static_cast<int>(Text.size()))
            throw Exception(TR_TEXT("Puzzle", "Invalid entries text: cell %1 is missing"), Index);
        const char Character = Text[Index];
        if (Character < '0' || Character > '9')
            throw Exception(TR_TEXT("Puzzle", "Invalid entries text: cell %1 is not a number"), Index);
    }
    ClearEntries();
    for (int Index = 0; Index < 81; ++Index) {
        TCell& Cell = *FCells[Index];
        if (!Cell.GetRevealed())
            Cell.SetValue(Text[Index] - '0');
    }
    FUpdating = false;
    FChanged = false;
    Refresh();
}

namespace {

int HexDigitValue(char Character)
{
    if (Character >= '0' && Character <= '9')
        return Character - '0';
    if (Character >= 'A' && Character <= 'F')
        return Character - 'A' + 10;
    if (Character >= 'a' && Character <= 'f')
        return Character - 'a' + 10;
    return -1;
}

// One cell's four characters: "$" and three hex digits, or four decimal
// digits. Answers -1 when they are neither.
int ParseMarksField(const char* Field)
{
    int Value = 0;
    if (Field[0] == '$') {
        for (int Position = 1; Position < 4; ++Position) {
            const int Digit = HexDigitValue(Field[Position]);
            if (Digit < 0)
                return -1;
            Value = Value * 16 + Digit;
        }
        return Value;
    }
    for (int Position = 0; Position < 4; ++Position) {
        if (Field[Position] < '0' || Field[Position] > '9')
            return -1;
        Value = Value * 10 + (Field[Position] - '0');
    }
    return Value;
}

}  // namespace

void TPuzzle::LoadMarks(const std::string& Text, int Kind)
{
    if (Text.empty())
        return;
    uint32_t Masks[81];
    for (int Index = 0; Index < 81; ++Index) {
        const size_t Start = static_cast<size_t>(Index) * 4;
        if (Start + 4 > Text.size())
            throw Exception(TR_TEXT("Puzzle", "Invalid marks text: cell %1 is missing"), Index);
        const int Value = ParseMarksField(Text.data() + Start);
        if (Value < 0)
            throw Exception(TR_TEXT("Puzzle", "Invalid marks text: cell %1 is not a number"), Index);
        // Only digits 1-9 are marks; other bits of a damaged text are dropped.
        Masks[Index] = static_cast<uint32_t>(Value) & AllDigitBits;
    }
    for (int Index = 0; Index < 81; ++Index)
        FCells[Index]->MaskOfKind(Kind).SetBits(Masks[Index]);
    // Recomputed for both kinds: the user-mark styles show the loaded marks.
    SetMarkStyle(FMarkStyle, true);
}

void TPuzzle::LoadUserMarks(const std::string& Text)
{
    LoadMarks(Text, mkUserMarks);
}

void TPuzzle::LoadErasures(const std::string& Text)
{
    LoadMarks(Text, mkErased);
}

std::string TPuzzle::EntriesToString() const
{
    std::string Text(81, '0');
    for (int Index = 0; Index < 81; ++Index) {
        const TCell& Cell = *FCells[Index];
        if (!Cell.GetRevealed())
            Text[Index] = static_cast<char>('0' + Cell.GetValue());
    }
    return Text;
}

std::string TPuzzle::MarksToString(int Kind) const
{
    bool Any = false;
    for (const auto& Cell : FCells)
        Any = Any || Cell->MaskOfKind(Kind).Bits() != 0;
    if (!Any)
        return std::string();
    std::string Text;
    Text.reserve(81 * 4);
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    for (const auto& Cell : FCells) {
        // "$" and three upper-case hex digits; a cell's marks never reach
        // $1000, but a wider mask would still be written whole.
        const unsigned Bits = static_cast<unsigned>(Cell->MaskOfKind(Kind).Bits());
        if (Bits > 0xFFF) {
            char Field[16];
            std::snprintf(Field, sizeof Field, "$%03X", Bits);
            Text += Field;
            continue;
        }
        const char Field[4] = {'$', HexDigits[(Bits >> 8) & 0xF], HexDigits[(Bits >> 4) & 0xF], HexDigits[Bits & 0xF]};
        Text.append(Field, 4);
    }
    return Text;
}

std::string TPuzzle::UserMarksToString() const
{
    return MarksToString(mkUserMarks);
}

std::string TPuzzle::ErasuresToString() const
{
    return MarksToString(mkErased);
}

void TPuzzle::SetMarkStyle(uint8_t Style, bool Force)
{
    if (!Force && Style == FMarkStyle)
        return;
    FMarkStyle = Style;
    if (Style == msHidden)
        return;
    for (auto& Cell : FCells)
        Cell->ComputeShown(Style);
}

bool TPuzzle::IsSolved()
{
    if (FSolved)
        return true;
    for (int Index = 0; Index < 9; ++Index) {
        for (int Digit = 1; Digit <= 9; ++Digit) {
            if (!FRows[Index]->IsPresent(Digit, nullptr) || !FColumns[Index]->IsPresent(Digit, nullptr) ||
                !FBoxes[Index]->IsPresent(Digit, nullptr))
                return false;
        }
    }
    FSolved = true;
    return true;
}

bool TPuzzle::Progress(int& Filled, int& Total) const
{
    Filled = 0;
    Total = 81;
    for (const auto& Cell : FCells) {
        if (Cell->GetRevealed())
            --Total;
        else if (Cell->GetValue() != 0)
            ++Filled;
    }
    return Filled == Total;
}

int TPuzzle::DigitRowCount(int Digit) const
{
    int Count = 0;
    for (const auto& Row : FRows)
        Count += Row->IsPresent(Digit, nullptr) ? 1 : 0;
    return Count;
}

uint64_t TPuzzle::NextStampOf(const TCell* Partner)
{
    return Partner ? Partner->GetPuzzle()->FNextStamp : 0;
}

uint64_t TPuzzle::RecordWrittenSince(const TCell* Partner, uint64_t FirstStamp)
{
    if (!Partner)
        return 0;
    const TPuzzle& Puzzle = *Partner->GetPuzzle();
    if (Puzzle.FUndoCount == 0)
        return 0;
    const TUndoRecord& Newest = Puzzle.FUndoList[Puzzle.FUndoCount - 1];
    const TPosition& Position = Partner->GetPosition();
    if (Newest.Stamp < FirstStamp || Newest.Row != Position.Row || Newest.Col != Position.Col)
        return 0;
    return Newest.Stamp;
}

bool TPuzzle::CanWithdraw(const TCell* Partner, uint64_t Mirror, int Before)
{
    if (!Partner || Mirror == 0)
        return false;
    const TPuzzle& Puzzle = *Partner->GetPuzzle();
    if (Puzzle.FUndoCount == 0 || Puzzle.FUpdating || Puzzle.FUndoing)
        return false;
    // The stamp says nothing since has been recorded there; the values say
    // that withdrawing leaves the partner's list a true history.
    const TUndoRecord& Newest = Puzzle.FUndoList[Puzzle.FUndoCount - 1];
    return Newest.Stamp == Mirror && Newest.OldValue == Before && Partner->GetValue() == Newest.NewValue;
}

void TPuzzle::Withdraw()
{
    --FUndoCount;
    while (FCheckpointCount > 0 && FCheckpoints[FCheckpointCount] > FUndoCount)
        --FCheckpointCount;
    FRedoList.clear();
    TellHistory();
}

bool TPuzzle::Undo(int Count)
{
    // Told after the replay scope ends, when the puzzle is whole again.
    const THistoryNotice Notice(*this);
    TUndoScope Replay(*this);
    for (int Step = 0; Step < Count; ++Step) {
        if (FUndoCount == 0)
            return false;
        --FUndoCount;
        const TUndoRecord Record = FUndoList[FUndoCount];
        TCell* Cell = CellAt(Record.Row, Record.Col);
        const TCell* ParentPartner = Cell->ParentLinkOfCell();
        const TCell* ChildPartner = Cell->ChildLinkOfCell();
        const uint64_t ParentFirst = NextStampOf(ParentPartner);
        const uint64_t ChildFirst = NextStampOf(ChildPartner);
        const int Before = Cell->GetValue();
        Cell->SetValue(Record.OldValue);
        FRedoList.push_back(TRedoRecord{Record, Before, Cell->GetValue(),
                                        RecordWrittenSince(ParentPartner, ParentFirst),
                                        RecordWrittenSince(ChildPartner, ChildFirst)});
    }
    return true;
}

bool TPuzzle::Redo()
{
    const THistoryNotice Notice(*this);
    if (FRedoList.empty())
        return false;
    const TRedoRecord Entry = FRedoList.back();
    TCell* Cell = CellAt(Entry.Record.Row, Entry.Record.Col);
    // Every change of this puzzle's values empties the list, so the cell
    // still holds what the undo left; were it otherwise, nothing on the list
    // would fit.
    if (Cell->GetValue() != Entry.After) {
        FRedoList.clear();
        return false;
    }
    FRedoList.pop_back();
    TCell* ParentPartner = Cell->ParentLinkOfCell();
    TCell* ChildPartner = Cell->ChildLinkOfCell();
    TPuzzle* ParentWithdraws = nullptr;
    TPuzzle* ChildWithdraws = nullptr;
    if (CanWithdraw(ParentPartner, Entry.ParentMirror, Entry.Before) && ParentPartner->GetPuzzle() != this)
        ParentWithdraws = ParentPartner->GetPuzzle();
    if (CanWithdraw(ChildPartner, Entry.ChildMirror, Entry.Before) && ChildPartner->GetPuzzle() != this &&
        ChildPartner->GetPuzzle() != ParentWithdraws)
        ChildWithdraws = ChildPartner->GetPuzzle();
    {
        // A partner that withdraws its record must not record the value it
        // receives as well.
        TUndoScope Replay(*this);
        std::optional<TUndoScope> ParentReplay;
        std::optional<TUndoScope> ChildReplay;
        if (ParentWithdraws)
            ParentReplay.emplace(*ParentWithdraws);
        if (ChildWithdraws)
            ChildReplay.emplace(*ChildWithdraws);
        Cell->SetValue(Entry.Before);
    }
    if (ParentWithdraws)
        ParentWithdraws->Withdraw();
    if (ChildWithdraws)
        ChildWithdraws->Withdraw();
    PushUndoRecord(Entry.Record);
    return true;
}

void TPuzzle::Checkpoint()
{
    if (FUndoCount == 0)
        return;
    if (FCheckpointCount > 0 && FCheckpoints[FCheckpointCount] == FUndoCount)
        return;
    ++FCheckpointCount;
    if (FCheckpointCount >= static_cast<int>(FCheckpoints.size()))
        FCheckpoints.resize(FCheckpoints.size() + CheckpointGrowth);
    FCheckpoints[FCheckpointCount] = FUndoCount;
}

void TPuzzle::BackToCheckpoint()
{
    if (FCheckpointCount == 0)
        return;
    const int Last = FCheckpoints[FCheckpointCount];
    if (Last == FUndoCount)
        return;
    if (FUndoCount - Last > 0)
        Undo(FUndoCount - Last);
    --FCheckpointCount;
}
