#include "PyramidSteps.h"

#include "Format.h"
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

// "5", "5 and 8", "1, 2 and 9" (or "5 or 8" with Last " or ").
std::string DigitsText(uint32_t Digits, const char* Last = " and ")
{
    std::vector<int> List;
    for (int Digit = 1; Digit <= 9; ++Digit)
        if ((Digits >> Digit) & 1u)
            List.push_back(Digit);
    std::string Text;
    for (size_t Index = 0; Index < List.size(); ++Index) {
        if (Index > 0)
            Text += Index + 1 == List.size() ? Last : ", ";
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
// column 2)." for each puzzle whose partners rule squares out, naming every
// square and its partner.
std::string RuledOutText(const TPyramidStep& Step)
{
    std::string Text;
    std::vector<bool> Told(Step.Links.size(), false);
    for (size_t First = 0; First < Step.Links.size(); ++First) {
        if (Told[First])
            continue;
        const TStepLink& Head = Step.Links[First];
        std::vector<std::string> Squares;
        std::vector<std::string> Partners;
        for (size_t Next = First; Next < Step.Links.size(); ++Next) {
            const TStepLink& Link = Step.Links[Next];
            if (Told[Next] || Link.Partner.Puzzle != Head.Partner.Puzzle || Link.Digits != Head.Digits)
                continue;
            Told[Next] = true;
            Squares.push_back(PlaceText(Link.Square));
            Partners.push_back(PlaceText(Link.Partner));
        }
        const bool One = Squares.size() == 1;
        // Appended piece by piece: GCC 12 at -O3 mistakes a chain of
        // temporaries here for an overlapping copy.
        Text += ' ';
        Text += Capitalised(JoinPlaces(Squares));
        Text += " could hold ";
        Text += DigitsText(Head.Digits, " or ");
        Text += One ? " but for its partner in " : " but for their partners in ";
        Text += PuzzleName(Head.Partner.Puzzle, false);
        Text += " (";
        Text += JoinPlaces(Partners);
        Text += ").";
    }
    return Text;
}

// " Take 2 out of row 4, column 3 and row 4, column 9. Take 2 and 8 out of
// row 4, column 5.": squares that lose the same digits told together.
std::string TakeText(const TPyramidStep& Step)
{
    std::string Text;
    std::vector<bool> Told(Step.Strikes.size(), false);
    for (size_t First = 0; First < Step.Strikes.size(); ++First) {
        if (Told[First])
            continue;
        std::vector<std::string> Squares;
        for (size_t Next = First; Next < Step.Strikes.size(); ++Next) {
            if (Told[Next] || Step.Strikes[Next].Digits != Step.Strikes[First].Digits)
                continue;
            Told[Next] = true;
            Squares.push_back(PlaceText(Step.Strikes[Next].Square));
        }
        Text += " Take " + DigitsText(Step.Strikes[First].Digits) + " out of " + JoinPlaces(Squares) + ".";
    }
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
    Text += RuledOutText(Step);
    return Text;
}

std::string ExplainStrike(const TPyramidStep& Step)
{
    const std::string House = HouseText(Step.HouseKind, Step.HouseIndex);
    const std::string Method = " (" + MethodText(Step.Method) + ").";
    std::string Text = "In " + PuzzleName(Step.Square.Puzzle, false) + ", ";
    std::string Pair[2] = {PlaceText(Step.Pair[0]), PlaceText(Step.Pair[1])};
    if (Step.Method == smLockedPairs) {
        for (const TStepLink& Link : Step.Links) {
            const int Which = Link.Square == Step.Pair[0] ? 0 : 1;
            Pair[Which] += " (with its partner in " + PuzzleName(Link.Partner.Puzzle, false) + ", " +
                           PlaceText(Link.Partner) + ")";
        }
        Text += Pair[0] + " and " + Pair[1] + " can hold only " + DigitsText(Step.PairDigits) +
                ", so no other square of " + House + " can hold " + DigitsText(Step.PairDigits, " or ") + Method;
        return Text + TakeText(Step);
    }
    Text += DigitsText(Step.PairDigits) + " can go only in " + Pair[0] + " and " + Pair[1] + " of " + House +
            ", so those two squares hold no other digit" + Method;
    Text += RuledOutText(Step);
    return Text + TakeText(Step);
}

// " with the help of its partner in the parent", naming each puzzle whose
// partners the step rests on; empty for none.
std::string LinkHelpText(const TPyramidStep& Step)
{
    if (Step.Links.empty())
        return {};
    std::vector<int> Puzzles;
    for (const TStepLink& Link : Step.Links)
        if (std::find(Puzzles.begin(), Puzzles.end(), Link.Partner.Puzzle) == Puzzles.end())
            Puzzles.push_back(Link.Partner.Puzzle);
    std::vector<std::string> Names;
    for (int Puzzle : Puzzles)
        Names.push_back(PuzzleName(Puzzle, false));
    return (Step.Links.size() == 1 ? " with the help of its partner in " : " with the help of its partners in ") +
           JoinPlaces(Names);
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

bool StepHasStages(const TPyramidStep& Step)
{
    return Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike;
}

std::string StageText(const TPyramidStep& Step, TStepStage Stage)
{
    if (!StepHasStages(Step) || Stage == TStepStage::Whole)
        return ExplainStep(Step);
    const int Puzzle = Step.Kind == TStepKind::Strike ? Step.Pair[0].Puzzle : Step.Square.Puzzle;
    const std::string Method = ": a " + MethodText(Step.Method) + " step" + LinkHelpText(Step) + ".";
    switch (Stage) {
    case TStepStage::Place: return "Look at " + PuzzleName(Puzzle, false) + Method;
    case TStepStage::House: {
        int Index = -1;
        const TStepHouse Kind = StageHouse(Step, Index);
        return "Look at " + HouseText(Kind, Index) + " of " + PuzzleName(Puzzle, false) + Method;
    }
    case TStepStage::Square: {
        const std::vector<TStepSquare> Squares = StageSquares(Step);
        std::string Text = Subject(Squares[0]);
        if (Squares.size() > 1)
            Text += " and " + PlaceText(Squares[1]);
        return Text + Method;
    }
    case TStepStage::Whole: break;
    }
    return ExplainStep(Step);
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
