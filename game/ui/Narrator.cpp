#include "Narrator.h"

#include "Announcer.h"
#include "GridAccessible.h"
#include "GridImage.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"

namespace {

QString DigitList(uint32_t Bits)
{
    QString List;
    for (int Digit = 1; Digit <= 9; ++Digit)
        if (((Bits >> Digit) & 1u) != 0) {
            if (!List.isEmpty())
                List += QLatin1Char(' ');
            List += QString::number(Digit);
        }
    return List;
}

int DigitCount(uint32_t Bits)
{
    int Count = 0;
    for (int Digit = 1; Digit <= 9; ++Digit)
        Count += static_cast<int>((Bits >> Digit) & 1u);
    return Count;
}

}  // namespace

QString TNarrator::PuzzleWords(int Puzzle)
{
    return Puzzle == 0 ? tr("parent") : tr("child %1").arg(Puzzle);
}

QString TNarrator::SquareWords(const TPyramidSquare& Square)
{
    return tr("%1, row %2, column %3").arg(PuzzleWords(Square.Puzzle)).arg(Square.At.Row + 1).arg(Square.At.Col + 1);
}

QString TNarrator::LinkWords(const TPyramidSquare& Partner)
{
    return Partner.Valid() ? tr("linked to %1").arg(SquareWords(Partner)) : QString();
}

QString TNarrator::EntryWords(const TSquareChange& Change, const TPyramidSquare& Partner)
{
    if (Change.Squares == 0)
        return tr("no change");
    if (Change.ValueBefore != Change.ValueAfter) {
        QString Words = Change.ValueAfter != 0 ? tr("%1 entered").arg(Change.ValueAfter)
                                               : tr("%1 cleared").arg(Change.ValueBefore);
        if (Partner.Valid())
            Words += tr(", also %1").arg(SquareWords(Partner));
        return Words;
    }
    const uint32_t Added = Change.MarksAfter & ~Change.MarksBefore;
    const uint32_t Erased = Change.MarksBefore & ~Change.MarksAfter;
    QString Words;
    if (Added != 0)
        Words = (DigitCount(Added) == 1 ? tr("mark %1 added") : tr("marks %1 added")).arg(DigitList(Added));
    if (Erased != 0) {
        if (!Words.isEmpty())
            Words += QStringLiteral(", ");
        Words += (DigitCount(Erased) == 1 ? tr("mark %1 erased") : tr("marks %1 erased")).arg(DigitList(Erased));
    }
    return Words.isEmpty() ? tr("no change") : Words;
}

QString TNarrator::UndoWords(const TSquareChange& Change, bool Redo, int Puzzle, bool Named)
{
    if (Change.Squares == 0)
        return Redo ? tr("nothing to redo") : tr("nothing to undo");
    QString What;
    if (Change.ValueBefore != Change.ValueAfter) {
        if (Change.ValueAfter == 0)
            What = Redo ? tr("%1 cleared again").arg(Change.ValueBefore) : tr("%1 taken back").arg(Change.ValueBefore);
        else
            What = Redo ? tr("%1 entered again").arg(Change.ValueAfter) : tr("%1 back").arg(Change.ValueAfter);
    } else {
        What = Redo ? tr("marks made again") : tr("marks taken back");
    }
    const TPyramidSquare Where{Puzzle, Change.At};
    const QString Place = Named ? SquareWords(Where)
                                : tr("row %1, column %2").arg(Change.At.Row + 1).arg(Change.At.Col + 1);
    return (Redo ? tr("redone: %1, %2") : tr("undone: %1, %2")).arg(What, Place);
}

TGridImage* TNarrator::ActiveImage(const TScene& Scene) const
{
    return Scene.ParentActive ? Scene.ParentImage : Scene.ChildImage;
}

int TNarrator::ActivePuzzle() const
{
    const TScene Scene = FScene();
    return Scene.ParentActive ? 0 : Scene.Child;
}

QString TNarrator::CursorSquare(const TScene& Scene) const
{
    const TGrid* Grid = Scene.ParentActive ? Scene.ParentGrid : Scene.ChildGrid;
    if (Grid == nullptr || Grid->Cursor().Box < 0)
        return QString();
    return SpokenSquare(*Grid, Grid->Cursor().Box, Grid->Cursor().Square);
}

void TNarrator::CursorMoved(bool OtherGrid)
{
    const TScene Scene = FScene();
    TGridImage* Image = ActiveImage(Scene);
    if (Image == nullptr)
        return;
    const QString Square = CursorSquare(Scene);
    Tell(Scene, OtherGrid ? tr("%1, %2").arg(Image->AccessibleGridName(), Square) : Square);
}

TPuzzlePicture TNarrator::Before(int Puzzle) const
{
    const TScene Scene = FScene();
    if (Puzzle < 0)
        Puzzle = Scene.ParentActive ? 0 : Scene.Child;
    const TPuzzle* Shown = Scene.Pyramid != nullptr ? Scene.Pyramid->GetPuzzle(Puzzle) : nullptr;
    return Shown != nullptr ? PictureOf(*Shown) : TPuzzlePicture{};
}

void TNarrator::Entered(const TPuzzlePicture& Before)
{
    const TScene Scene = FScene();
    TGridImage* Image = ActiveImage(Scene);
    const TGrid* Grid = Scene.ParentActive ? Scene.ParentGrid : Scene.ChildGrid;
    const int Puzzle = Scene.ParentActive ? 0 : Scene.Child;
    const TPuzzle* Acted = Scene.Pyramid != nullptr ? Scene.Pyramid->GetPuzzle(Puzzle) : nullptr;
    if (Image == nullptr || Grid == nullptr || Acted == nullptr)
        return;
    const TBoxSquare Cursor = Grid->Cursor();
    const TPosition At = Cursor.Box >= 0 ? TPosition::FromBoxPlace(Cursor.Box, Cursor.Square) : TPosition{-1, -1};
    const TSquareChange Change = ChangeBetween(Before, PictureOf(*Acted), At);
    TPyramidSquare Partner;
    if (Change.Squares > 0 && Change.ValueBefore != Change.ValueAfter)
        Partner = PartnerOf(*Scene.Pyramid, Puzzle, Change.At);
    if (Change.Squares > 0)
        CellNameChanged(*Image, Change.At.Box(), Change.At.Place());
    Tell(Scene, EntryWords(Change, Partner));
}

void TNarrator::Undone(const TPuzzlePicture& Before, int Puzzle, bool Redo)
{
    const TScene Scene = FScene();
    TGridImage* Image = ActiveImage(Scene);
    const TPuzzle* Acted = Scene.Pyramid != nullptr ? Scene.Pyramid->GetPuzzle(Puzzle) : nullptr;
    if (Image == nullptr || Acted == nullptr)
        return;
    const TSquareChange Change = ChangeBetween(Before, PictureOf(*Acted), TPosition{-1, -1});
    const int Active = Scene.ParentActive ? 0 : Scene.Child;
    Tell(Scene, UndoWords(Change, Redo, Puzzle, Puzzle != Active));
}

void TNarrator::ChildShown(int Child)
{
    const TScene Scene = FScene();
    TGridImage* Image = ActiveImage(Scene);
    if (Image == nullptr)
        return;
    const QString Name = tr("Child %1").arg(Child);
    Tell(Scene, Scene.ParentActive ? Name : tr("%1, %2").arg(Name, CursorSquare(Scene)));
}

void TNarrator::Say(const QString& Text)
{
    Tell(FScene(), Text);
}

void TNarrator::Tell(const TScene& Scene, const QString& Text)
{
    if (Scene.Announcer != nullptr)
        Scene.Announcer->Say(Text);
}
