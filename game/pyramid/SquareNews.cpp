#include "SquareNews.h"

#include "Cell.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"

TPyramidSquare PartnerOf(const TPuzzleXLink& Pyramid, int Puzzle, TPosition At)
{
    const TPuzzle* Own = Pyramid.GetPuzzle(Puzzle);
    if (Own == nullptr || At.Row < 0 || At.Row > 8 || At.Col < 0 || At.Col > 8)
        return {};
    const TCell* Cell = Own->CellByIndex(At.Index());
    const TCell* Partner = Puzzle == 0 ? Cell->ChildLinkOfCell() : Cell->ParentLinkOfCell();
    if (Partner == nullptr)
        return {};
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        if (Pyramid.GetPuzzle(Index) == Partner->GetPuzzle() && Index != Puzzle)
            return TPyramidSquare{Index, Partner->GetPosition()};
    return {};
}

TPuzzlePicture PictureOf(const TPuzzle& Puzzle)
{
    TPuzzlePicture Picture;
    for (int Index = 0; Index < 81; ++Index) {
        const TCell& Cell = *Puzzle.CellByIndex(Index);
        Picture.Values[static_cast<size_t>(Index)] = static_cast<uint8_t>(Cell.GetValue());
        Picture.Marks[static_cast<size_t>(Index)] = Cell.GetValue() != 0 ? 0 : Cell.ShownMarks().Bits();
    }
    return Picture;
}

TSquareChange ChangeBetween(const TPuzzlePicture& Before, const TPuzzlePicture& After, TPosition Prefer)
{
    TSquareChange Change;
    int FirstValue = -1;
    int FirstMarks = -1;
    for (int Index = 0; Index < 81; ++Index) {
        const auto At = static_cast<size_t>(Index);
        const bool Value = Before.Values[At] != After.Values[At];
        const bool Marks = Before.Marks[At] != After.Marks[At];
        if (Value && FirstValue < 0)
            FirstValue = Index;
        if (Marks && FirstMarks < 0)
            FirstMarks = Index;
        if (Value || Marks)
            ++Change.Squares;
    }
    if (Change.Squares == 0)
        return Change;
    const int Preferred = Prefer.Row >= 0 && Prefer.Row < 9 && Prefer.Col >= 0 && Prefer.Col < 9 ? Prefer.Index() : -1;
    const auto Differs = [&](int Index, bool ValueOnly) {
        const auto At = static_cast<size_t>(Index);
        return Before.Values[At] != After.Values[At] || (!ValueOnly && Before.Marks[At] != After.Marks[At]);
    };
    int Told = FirstMarks;
    if (Preferred >= 0 && Differs(Preferred, true))
        Told = Preferred;
    else if (FirstValue >= 0)
        Told = FirstValue;
    else if (Preferred >= 0 && Differs(Preferred, false))
        Told = Preferred;
    const auto At = static_cast<size_t>(Told);
    Change.At = TPosition::FromIndex(Told);
    Change.ValueBefore = Before.Values[At];
    Change.ValueAfter = After.Values[At];
    Change.MarksBefore = Before.Marks[At];
    Change.MarksAfter = After.Marks[At];
    return Change;
}
