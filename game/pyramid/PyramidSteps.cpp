#include "PyramidSteps.h"

#include "Format.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "SettingsValues.h"

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

// Whether the player's grid still shows some digit the strikes take out.
// In the user-mark styles the player's marks are what shows; otherwise an
// erased digit is gone whatever the style draws.
bool StrikesAreNews(const TPuzzleXLink& Pyramid, int PuzzleIndex, const TSolveStep& Found)
{
    const TPuzzle& Real = *Pyramid.GetPuzzle(PuzzleIndex);
    const uint8_t Style = Real.MarkStyle();
    const bool UserMarks = Style == msUserMarksSeparate || Style == msUserMarksLinked;
    for (int Index = 0; Index < Found.LoserCount; ++Index) {
        const TPosition& Position = Found.Losers[Index]->GetPosition();
        const TCell& Cell = *Real.CellAt(Position.Row, Position.Col);
        uint32_t Showing = ShownDigits(&Cell);
        if (!UserMarks)
            Showing &= ~Cell.Erased().Bits();
        if ((Showing & Found.Lost[Index]) != 0)
            return true;
    }
    return false;
}

// The first empty cell of the house, besides Except, that its own
// candidates let hold one of Digits but that its partner rules out of them.
const TCell* RuledOutByPartner(const THouse& House, uint32_t Digits, const TCell* Except1, const TCell* Except2)
{
    for (int Place = 0; Place < 9; ++Place) {
        const TCell* Cell = House.CellAt(Place);
        if (Cell == Except1 || Cell == Except2 || Cell->GetValue() != 0)
            continue;
        if ((OwnDigits(Cell) & Digits & ~ShownDigits(Cell)) != 0 && PartnerOf(Cell) != nullptr)
            return Cell;
    }
    return nullptr;
}

TPyramidStep Describe(const TPuzzleXLink& Copy, const TSolveStep& Found, bool Links)
{
    TPyramidStep Step;
    Step.Method = Found.Method;
    Step.HouseKind = Found.HouseKind;
    Step.HouseIndex = Found.HouseIndex;
    const TCell* Linked = nullptr;
    if (Found.IsValue()) {
        Step.Kind = TStepKind::Value;
        Step.Square = SquareOf(Copy, Found.Cell);
        Step.Digit = Found.Digit;
        if (Links && Found.House == nullptr) {
            if (BitCount(OwnDigits(Found.Cell)) > 1)
                Linked = Found.Cell;
        } else if (Links) {
            Linked = RuledOutByPartner(*Found.House, 1u << Found.Digit, Found.Cell, nullptr);
        }
    } else {
        Step.Kind = TStepKind::Strike;
        Step.Digit = Found.Method == smLockedPairs ? Found.Digit : 0;
        Step.Pair = {SquareOf(Copy, Found.Pair[0]), SquareOf(Copy, Found.Pair[1])};
        Step.PairDigits = Found.PairDigits;
        for (int Index = 0; Index < Found.LoserCount; ++Index)
            Step.Strikes.push_back({SquareOf(Copy, Found.Losers[Index]), Found.Lost[Index]});
        Step.Square = Step.Strikes.empty() ? Step.Pair[0] : Step.Strikes.front().Square;
        if (Links && Found.Method == smLockedPairs) {
            for (const TCell* Cell : Found.Pair) {
                if (Linked == nullptr && OwnDigits(Cell) != ShownDigits(Cell) && PartnerOf(Cell) != nullptr)
                    Linked = Cell;
            }
        } else if (Links) {
            Linked = RuledOutByPartner(*Found.House, Found.PairDigits, Found.Pair[0], Found.Pair[1]);
        }
    }
    if (Linked != nullptr) {
        Step.Linked = SquareOf(Copy, Linked);
        Step.Partner = SquareOf(Copy, PartnerOf(Linked));
    }
    return Step;
}

// Texts.

std::string PuzzleName(int Puzzle, bool Start)
{
    if (Puzzle == 0)
        return Start ? "The parent" : "the parent";
    return Format(Start ? "Child %d" : "child %d", Puzzle);
}

std::string PlaceText(const TStepSquare& Square)
{
    return Format("row %d, column %d", Square.Row + 1, Square.Col + 1);
}

std::string Capitalised(std::string Text)
{
    if (!Text.empty() && Text[0] >= 'a' && Text[0] <= 'z')
        Text[0] = static_cast<char>(Text[0] - 'a' + 'A');
    return Text;
}

// "The parent's row 5, column 3" or "Child 4, row 2, column 7".
std::string Subject(const TStepSquare& Square)
{
    return Square.Puzzle == 0 ? "The parent's " + PlaceText(Square)
                              : PuzzleName(Square.Puzzle, true) + ", " + PlaceText(Square);
}

std::string HouseText(TStepHouse Kind, int Index)
{
    switch (Kind) {
    case TStepHouse::Row: return Format("row %d", Index + 1);
    case TStepHouse::Column: return Format("column %d", Index + 1);
    case TStepHouse::Box: return Format("box %d", Index + 1);
    case TStepHouse::None: break;
    }
    return {};
}

// "5", "5 and 8", "1, 2 and 9".
std::string DigitsText(uint32_t Digits)
{
    std::vector<int> List;
    for (int Digit = 1; Digit <= 9; ++Digit)
        if ((Digits >> Digit) & 1u)
            List.push_back(Digit);
    std::string Text;
    for (size_t Index = 0; Index < List.size(); ++Index) {
        if (Index > 0)
            Text += Index + 1 == List.size() ? " and " : ", ";
        Text += std::to_string(List[Index]);
    }
    return Text;
}

// Items joined as "a", "a and b", "a; b and c" (items hold commas).
std::string JoinPlaces(const std::vector<std::string>& Items)
{
    std::string Text;
    for (size_t Index = 0; Index < Items.size(); ++Index) {
        if (Index > 0)
            Text += Index + 1 == Items.size() ? " and " : "; ";
        Text += Items[Index];
    }
    return Text;
}

std::string MethodText(int Method)
{
    return Method >= 0 && Method < TSettingsValues::MethodCount ? TSettingsValues::MethodNames[Method] : "";
}

// " Row 1, column 8 could hold 6 but for its partner in the parent (row 4,
// column 2)." for a square ruled out through its link.
std::string RuledOutText(const TPyramidStep& Step, uint32_t Digits)
{
    std::string Text = " ";
    Text += Capitalised(PlaceText(Step.Linked));
    Text += " could hold " + DigitsText(Digits) + " but for its partner in " + PuzzleName(Step.Partner.Puzzle, false);
    Text += " (" + PlaceText(Step.Partner) + ").";
    return Text;
}

std::string ExplainValue(const TPyramidStep& Step)
{
    const std::string Method = " (" + MethodText(Step.Method) + ").";
    const std::string Digit = std::to_string(Step.Digit);
    if (Step.HouseKind == TStepHouse::None) {
        if (Step.Linked.Valid())
            return Subject(Step.Square) + " and its partner in " + PuzzleName(Step.Partner.Puzzle, false) + " (" +
                   PlaceText(Step.Partner) + ") together leave only " + Digit + Method;
        return Subject(Step.Square) + " must be " + Digit + ": it is the only digit that square can hold" + Method;
    }
    std::string Text = Subject(Step.Square) + " must be " + Digit + ": it is the only square of " +
                       HouseText(Step.HouseKind, Step.HouseIndex) + " that can hold " + Digit + Method;
    if (Step.Linked.Valid())
        Text += RuledOutText(Step, 1u << Step.Digit);
    return Text;
}

std::string ExplainStrike(const TPyramidStep& Step)
{
    const std::string House = HouseText(Step.HouseKind, Step.HouseIndex);
    const std::string Method = " (" + MethodText(Step.Method) + ").";
    std::string Text = "In " + PuzzleName(Step.Square.Puzzle, false) + ", ";
    std::string Pair[2] = {PlaceText(Step.Pair[0]), PlaceText(Step.Pair[1])};
    if (Step.Method == smLockedPairs) {
        if (Step.Linked.Valid()) {
            const int Which = Step.Linked == Step.Pair[0] ? 0 : 1;
            Pair[Which] += " (with its partner in " + PuzzleName(Step.Partner.Puzzle, false) + ", " +
                           PlaceText(Step.Partner) + ")";
        }
        std::vector<std::string> Losers;
        for (const TStepStrike& Strike : Step.Strikes)
            Losers.push_back(PlaceText(Strike.Square));
        const std::string Digit = std::to_string(Step.Digit);
        Text += Pair[0] + " and " + Pair[1] + " can hold only " + DigitsText(Step.PairDigits) +
                ", so no other square of " + House + " can hold " + Digit + Method + " Take " + Digit + " out of " +
                JoinPlaces(Losers) + ".";
        return Text;
    }
    Text += DigitsText(Step.PairDigits) + " can go only in " + Pair[0] + " and " + Pair[1] + " of " + House +
            ", so those two squares hold no other digit" + Method;
    if (Step.Linked.Valid())
        Text += RuledOutText(Step, Step.PairDigits);
    std::vector<std::string> Takes;
    for (const TStepStrike& Strike : Step.Strikes)
        Takes.push_back(DigitsText(Strike.Digits) + " out of " + PlaceText(Strike.Square));
    Text += " Take " + JoinPlaces(Takes) + ".";
    return Text;
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
                    return Describe(*Copy, Found, Rules.Links);
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

std::string ExplainStep(const TPyramidStep& Step)
{
    switch (Step.Kind) {
    case TStepKind::Nothing: return "The solving methods find no further step from these entries.";
    case TStepKind::Complete: return "Every square is filled in: there is no step left.";
    case TStepKind::WrongEntry:
        if (!Step.Square.Valid())
            return "One of the entries is wrong, so no step can follow from them until it is taken back.";
        return Subject(Step.Square) + " holds " + std::to_string(Step.Digit) +
               ", which is not its solution: take it back before the next step.";
    case TStepKind::Value: return ExplainValue(Step);
    case TStepKind::Strike: return ExplainStrike(Step);
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
