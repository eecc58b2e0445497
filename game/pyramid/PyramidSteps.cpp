#include "PyramidSteps.h"

#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "SettingsValues.h"

#include <algorithm>
#include <memory>

namespace {

TCell* CellOf(const TPuzzleXLink& Pyramid, const TStepSquare& Square)
{
    TPuzzle* Puzzle = Pyramid.GetPuzzle(Square.Puzzle);
    return Puzzle != nullptr ? Puzzle->CellAt(Square.Row, Square.Col) : nullptr;
}

TStepSquare SquareOf(const TPuzzleXLink& Pyramid, const TCell* Cell)
{
    if (Cell == nullptr)
        return {};
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        if (Pyramid.GetPuzzle(Index) == Cell->GetPuzzle())
            return {Index, Cell->GetPosition().Row, Cell->GetPosition().Col};
    }
    return {};
}

// The cell's partner in another puzzle, nullptr for an unlinked cell.
const TCell* PartnerOf(const TCell* Cell)
{
    return Cell->ChildLinkOfCell() != nullptr ? Cell->ChildLinkOfCell() : Cell->ParentLinkOfCell();
}

uint32_t OwnDigits(const TCell* Cell)
{
    return Cell->Possible().Bits() & AllDigitBits;
}

uint32_t ShownDigits(const TCell* Cell)
{
    return Cell->Shown().Bits() & AllDigitBits;
}

bool FindWrongEntry(const TPuzzleXLink& Pyramid, bool Name, TPyramidStep& Step)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell& Entry = *Puzzle.CellByIndex(Cell);
            if (Entry.IsCorrect())
                continue;
            Step.Kind = TStepKind::WrongEntry;
            if (Name) {
                Step.Square = {Index, Entry.GetPosition().Row, Entry.GetPosition().Col};
                Step.Digit = Entry.GetValue();
            }
            return true;
        }
    }
    return false;
}

bool Complete(const TPuzzleXLink& Pyramid)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        int Filled = 0;
        int Total = 0;
        if (!Pyramid.GetPuzzle(Index)->Progress(Filled, Total))
            return false;
    }
    return true;
}

// A pyramid of the same layout holding the givens and the player's entries,
// with fresh automatic candidates: every empty cell allows exactly the
// digits its houses do not hold.
std::unique_ptr<TPuzzleXLink> CopyOfEntries(const TPuzzleXLink& Pyramid, bool Links)
{
    auto Copy = std::make_unique<TPuzzleXLink>(Pyramid.LayoutType(), nullptr, 1, 1);
    // The parent first: the children's givens reach the parent's linked
    // cells as they do when a game is loaded.
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Source = *Pyramid.GetPuzzle(Index);
        std::array<uint8_t, 81> Digits{};
        std::array<uint8_t, 81> Givens{};
        for (int Cell = 0; Cell < 81; ++Cell) {
            Digits[Cell] = static_cast<uint8_t>(Source.CellByIndex(Cell)->GetSolution());
            Givens[Cell] = Source.CellByIndex(Cell)->GetRevealed() ? 1 : 0;
        }
        Copy->GetPuzzle(Index)->LoadPuzzle(Digits, Givens);
    }
    // Values are only ever added to full candidate sets, so each empty cell
    // ends with the digits its houses leave, whatever the order.
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Source = *Pyramid.GetPuzzle(Index);
        TPuzzle& Target = *Copy->GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            const int Value = Source.CellByIndex(Cell)->GetValue();
            if (Value != 0 && Target.CellByIndex(Cell)->GetValue() != Value)
                Target.CellByIndex(Cell)->SetValue(Value);
        }
    }
    // Without erasures, the separate auto style shows each cell's own
    // candidates and the linked one what both partners allow.
    Copy->SetPencilMode(Links ? msAutoPencilLinked : msAutoPencilSeparate);
    return Copy;
}

// The digits the player's grid shows in the square. In the user-mark
// styles the player's marks are what shows; otherwise an erased digit is
// gone whatever the style draws.
uint32_t PlayerShows(const TPuzzle& Real, const TPosition& Position)
{
    const uint8_t Style = Real.MarkStyle();
    const bool UserMarks = Style == msUserMarksSeparate || Style == msUserMarksLinked;
    const TCell& Cell = *Real.CellAt(Position.Row, Position.Col);
    uint32_t Showing = ShownDigits(&Cell);
    if (!UserMarks)
        Showing &= ~Cell.Erased().Bits();
    return Showing;
}

// Whether the player's grid still shows some digit the strikes take out.
bool StrikesAreNews(const TPuzzleXLink& Pyramid, int PuzzleIndex, const TSolveStep& Found)
{
    const TPuzzle& Real = *Pyramid.GetPuzzle(PuzzleIndex);
    for (int Index = 0; Index < Found.LoserCount; ++Index) {
        if ((PlayerShows(Real, Found.Losers[Index]->GetPosition()) & Found.Lost[Index]) != 0)
            return true;
    }
    return false;
}

// The empty cells of the house, besides Except, that their own candidates
// let hold one of Digits but that their partners rule out of them, each
// with the digits ruled out.
std::vector<std::pair<const TCell*, uint32_t>> RuledOutByPartners(const THouse& House, uint32_t Digits,
                                                                  const TCell* Except1, const TCell* Except2)
{
    std::vector<std::pair<const TCell*, uint32_t>> Cells;
    for (int Place = 0; Place < 9; ++Place) {
        const TCell* Cell = House.CellAt(Place);
        if (Cell == Except1 || Cell == Except2 || Cell->GetValue() != 0)
            continue;
        const uint32_t Out = OwnDigits(Cell) & Digits & ~ShownDigits(Cell);
        if (Out != 0 && PartnerOf(Cell) != nullptr)
            Cells.emplace_back(Cell, Out);
    }
    return Cells;
}

// A locked pair strikes both its digits at once: the strikes found for the
// one digit, with those of the other from the same house that the player's
// grid (Real) still shows, in the house's order.
std::vector<TStepStrike> LockedPairStrikes(const TPuzzleXLink& Copy, const TPuzzle& Real, const TSolveStep& Found)
{
    std::vector<TStepStrike> Strikes;
    for (int Place = 0; Place < 9; ++Place) {
        const TCell* Cell = Found.House->CellAt(Place);
        if (Cell == Found.Pair[0] || Cell == Found.Pair[1] || Cell->GetValue() != 0)
            continue;
        uint32_t Digits = ShownDigits(Cell) & Found.PairDigits & PlayerShows(Real, Cell->GetPosition());
        for (int Index = 0; Index < Found.LoserCount; ++Index)
            if (Found.Losers[Index] == Cell)
                Digits |= Found.Lost[Index];
        if (Digits != 0)
            Strikes.push_back({SquareOf(Copy, Cell), Digits});
    }
    return Strikes;
}

TPyramidStep Describe(const TPuzzleXLink& Copy, const TPuzzle& Real, const TSolveStep& Found, bool Links)
{
    TPyramidStep Step;
    Step.Method = Found.Method;
    Step.HouseKind = Found.HouseKind;
    Step.HouseIndex = Found.HouseIndex;
    std::vector<std::pair<const TCell*, uint32_t>> Linked;
    if (Found.IsValue()) {
        Step.Kind = TStepKind::Value;
        Step.Square = SquareOf(Copy, Found.Cell);
        Step.Digit = Found.Digit;
        if (Links && Found.House == nullptr) {
            if (BitCount(OwnDigits(Found.Cell)) > 1 && PartnerOf(Found.Cell) != nullptr)
                Linked.emplace_back(Found.Cell, OwnDigits(Found.Cell) & ~ShownDigits(Found.Cell));
        } else if (Links) {
            Linked = RuledOutByPartners(*Found.House, 1u << Found.Digit, Found.Cell, nullptr);
        }
    } else {
        Step.Kind = TStepKind::Strike;
        Step.Pair = {SquareOf(Copy, Found.Pair[0]), SquareOf(Copy, Found.Pair[1])};
        Step.PairDigits = Found.PairDigits;
        if (Found.Method == smLockedPairs) {
            Step.Strikes = LockedPairStrikes(Copy, Real, Found);
        } else {
            for (int Index = 0; Index < Found.LoserCount; ++Index)
                Step.Strikes.push_back({SquareOf(Copy, Found.Losers[Index]), Found.Lost[Index]});
        }
        Step.Square = Step.Strikes.empty() ? Step.Pair[0] : Step.Strikes.front().Square;
        if (Links && Found.Method == smLockedPairs) {
            for (const TCell* Cell : Found.Pair) {
                if (OwnDigits(Cell) != ShownDigits(Cell) && PartnerOf(Cell) != nullptr)
                    Linked.emplace_back(Cell, OwnDigits(Cell) & ~ShownDigits(Cell));
            }
        } else if (Links) {
            Linked = RuledOutByPartners(*Found.House, Found.PairDigits, Found.Pair[0], Found.Pair[1]);
        }
    }
    for (const auto& [Cell, Digits] : Linked)
        Step.Links.push_back({SquareOf(Copy, Cell), SquareOf(Copy, PartnerOf(Cell)), Digits});
    if (!Step.Links.empty()) {
        Step.Linked = Step.Links.front().Square;
        Step.Partner = Step.Links.front().Partner;
    }
    return Step;
}

// The house a stage names: the proving house, or a single's box.
TStepHouse StageHouse(const TPyramidStep& Step, int& Index)
{
    if (Step.HouseKind != TStepHouse::None) {
        Index = Step.HouseIndex;
        return Step.HouseKind;
    }
    Index = TPosition{Step.Square.Row, Step.Square.Col}.Box();
    return TStepHouse::Box;
}

// The squares a stage points at: a value's square or a pair's two.
std::vector<TStepSquare> StageSquares(const TPyramidStep& Step)
{
    if (Step.Kind == TStepKind::Strike)
        return {Step.Pair[0], Step.Pair[1]};
    return {Step.Square};
}

}  // namespace

bool StepsOffered(const TGameFeatures& Features)
{
    return Features.PlayControls && (Features.SolveParent || Features.SolveChildren || Features.SolvePyramid);
}

TStepRules StepRulesOf(const TGameFeatures& Features)
{
    TStepRules Rules;
    Rules.Parent = Features.SolveParent;
    Rules.Children = Features.SolveChildren;
    if (!Rules.Parent && !Rules.Children)
        Rules.Parent = Rules.Children = Features.SolvePyramid;
    Rules.Links = Features.SolvePyramid;
    Rules.NameWrongEntry = Features.IncorrectHighlighting;
    return Rules;
}

TPyramidStep FindPyramidStep(const TPuzzleXLink& Pyramid, const TStepRules& Rules, TMethodSet Methods)
{
    TPyramidStep Step;
    if (FindWrongEntry(Pyramid, Rules.NameWrongEntry, Step))
        return Step;
    const std::unique_ptr<TPuzzleXLink> Copy = CopyOfEntries(Pyramid, Rules.Links);
    const int First = Rules.Parent ? 0 : 1;
    const int Last = Rules.Children ? Pyramid.ChildCount() : 0;
    // A strike that is no news is made on the copy and the search starts
    // again from the first method; each strikes at least one of the copy's
    // fewer than 10 x 81 x 9 candidates, so the rounds are bounded.
    for (int Round = 0; Round < 10 * 81 * 9; ++Round) {
        bool Again = false;
        for (int Method = FirstSolveMethod; Method <= LastSolveMethod && !Again; ++Method) {
            if (!Methods.Has(Method))
                continue;
            for (int Index = First; Index <= Last; ++Index) {
                TPuzzle& Puzzle = *Copy->GetPuzzle(Index);
                TSolveStep Found;
                if (!Puzzle.FindStep(Method, Found))
                    continue;
                if (Found.IsValue() || StrikesAreNews(Pyramid, Index, Found))
                    return Describe(*Copy, *Pyramid.GetPuzzle(Index), Found, Rules.Links);
                Puzzle.ApplyStep(Found);
                Again = true;
                break;
            }
        }
        if (!Again)
            break;
    }
    Step.Kind = Complete(Pyramid) ? TStepKind::Complete : TStepKind::Nothing;
    return Step;
}

std::string StepSummary(const TPyramidStep& Step)
{
    const auto Where = [](const TStepSquare& Square) {
        return std::to_string(Square.Puzzle) + ":r" + std::to_string(Square.Row + 1) + "c" +
               std::to_string(Square.Col + 1);
    };
    switch (Step.Kind) {
    case TStepKind::Nothing: return "nothing";
    case TStepKind::Complete: return "complete";
    case TStepKind::WrongEntry:
        return Step.Square.Valid() ? "wrong " + std::to_string(Step.Digit) + " at " + Where(Step.Square) : "wrong";
    case TStepKind::Value:
        return "value " + std::to_string(Step.Digit) + " at " + Where(Step.Square) + " by " +
               std::to_string(Step.Method) + (Step.Links.empty() ? "" : " linked");
    case TStepKind::Strike:
        return "strike " + Where(Step.Pair[0]) + " r" + std::to_string(Step.Pair[1].Row + 1) + "c" +
               std::to_string(Step.Pair[1].Col + 1) + " by " + std::to_string(Step.Method) +
               (Step.Links.empty() ? "" : " linked");
    }
    return {};
}

std::vector<TStepSquare> StepHouseSquares(const TPyramidStep& Step)
{
    std::vector<TStepSquare> Squares;
    if (Step.HouseKind == TStepHouse::None || Step.HouseIndex < 0 || Step.HouseIndex > 8)
        return Squares;
    for (int Place = 0; Place < 9; ++Place) {
        TPosition Position;
        switch (Step.HouseKind) {
        case TStepHouse::Row: Position = {Step.HouseIndex, Place}; break;
        case TStepHouse::Column: Position = {Place, Step.HouseIndex}; break;
        default: Position = TPosition::FromBoxPlace(Step.HouseIndex, Place); break;
        }
        Squares.push_back({Step.Square.Puzzle, Position.Row, Position.Col});
    }
    return Squares;
}

bool ApplyPyramidStep(TPuzzleXLink& Pyramid, const TPyramidStep& Step, bool UserMarks)
{
    if (Step.Kind == TStepKind::Value) {
        TCell* Cell = CellOf(Pyramid, Step.Square);
        if (Cell == nullptr || Cell->GetRevealed() || Cell->GetValue() == Step.Digit)
            return false;
        Cell->SetValue(Step.Digit);
        return true;
    }
    if (Step.Kind != TStepKind::Strike)
        return false;
    bool Changed = false;
    for (const TStepStrike& Strike : Step.Strikes) {
        TCell* Cell = CellOf(Pyramid, Strike.Square);
        if (Cell == nullptr)
            continue;
        for (int Digit = 1; Digit <= 9; ++Digit) {
            if ((Strike.Digits >> Digit) & 1u)
                Changed = Cell->EraseDigit(Digit, UserMarks) || Changed;
        }
    }
    return Changed;
}

bool StepHasStages(const TPyramidStep& Step)
{
    return Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike;
}

TStageMarks StageMarksOf(const TPyramidStep& Step, TStepStage Stage)
{
    TStageMarks Marks;
    if (!StepHasStages(Step)) {
        if (Step.Square.Valid()) {
            Marks.Focus.push_back(Step.Square);
            Marks.Cursor = Step.Square;
        }
        return Marks;
    }
    if (Stage == TStepStage::Place)
        return Marks;
    int Index = -1;
    TPyramidStep Framed = Step;
    Framed.HouseKind = StageHouse(Step, Index);
    Framed.HouseIndex = Index;
    Framed.Square.Puzzle = StageSquares(Step)[0].Puzzle;
    Marks.House = StepHouseSquares(Framed);
    if (Stage == TStepStage::House)
        return Marks;
    Marks.Focus = StageSquares(Step);
    Marks.Cursor = Marks.Focus.front();
    if (Stage == TStepStage::Square)
        return Marks;
    for (const TStepStrike& Strike : Step.Strikes)
        Marks.Focus.push_back(Strike.Square);
    for (const TStepLink& Link : Step.Links)
        Marks.Focus.push_back(Link.Partner);
    Marks.Cursor = Step.Square;
    return Marks;
}
