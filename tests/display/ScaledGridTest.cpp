// A screen grid painted on bitmaps with a device pixel ratio: backgrounds,
// lines and highlight outlines are the logical picture with every edge at a
// whole device pixel (no blends, no lines that drift or vanish), and text is
// drawn at the full resolution rather than enlarged.
#include "Cell.h"
#include "DisplayTestSupport.h"
#include "PyramidTestSupport.h"
#include "Puzzle.h"
#include "QVDisplayGrid.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int GridSize = 394;

// For each device pixel along an axis, the logical pixel it shows: logical
// pixel L covers the device pixels from round(L x Ratio) up to
// round((L + 1) x Ratio).
std::vector<int> LogicalPixels(int Logical, double Ratio)
{
    std::vector<int> Map;
    for (int L = 0; L < Logical; ++L)
        for (int P = qRound(L * Ratio); P < qRound((L + 1) * Ratio); ++P)
            Map.push_back(L);
    return Map;
}

// Child 1 of a pyramid painted twice: on a plain bitmap and on one with the
// ratio. Marks are entered but drawn nowhere (only the hovered square shows
// marks, and none is hovered), so the only text is the values.
struct TScaledRig {
    TScopedSettings Scoped;
    TTestPyramid Game = MakeTestPyramid(0, 7, 30);
    QImage Plain = MakeScreenBitmap(GridSize, GridSize);
    QImage Scaled;
    TQVCanvas PlainCanvas{&Plain};
    TQVCanvas ScaledCanvas;
    TGrid PlainGrid{&PlainCanvas, false, GridSize, GridSize, clSkyBlue};
    TGrid ScaledGrid{nullptr, false, GridSize, GridSize, clSkyBlue};

    explicit TScaledRig(double Ratio) : Scaled(MakeScreenBitmap(GridSize, GridSize, Ratio))
    {
        ScaledCanvas.Begin(&Scaled);
        ScaledGrid.SetCanvas(&ScaledCanvas);
        Scoped.Values.SetPencilSelectedOnly(true);
        Game.Pyramid->SetPencilMode(msUserMarksSeparate);
        int Marked = 0;
        for (int Index = 0; Index < 81 && Marked < 6; ++Index) {
            TCell& Cell = *Child().CellByIndex(Index);
            if (Cell.GetValue() == 0 && !Cell.GetRevealed()) {
                Cell.SetUserMark(4, true);
                Cell.SetUserMark(1 + Marked % 9, true);
                ++Marked;
            }
        }
        for (TGrid* Grid : {&PlainGrid, &ScaledGrid}) {
            Grid->SetLink(Game.Pyramid->GetLink(1));
            Grid->SetHighlight(4);
            Grid->PaintAll(TPaintStyle::Screen);
        }
    }
    TPuzzle& Child() { return *Game.Pyramid->GetPuzzle(1); }
    // The logical rectangle of the square that shows the cell at Index.
    TRect SquareOf(int Index)
    {
        const TPosition Place = Child().CellByIndex(Index)->GetPosition();
        const TGridSquare& Square = PlainGrid.Box(Place.Box()).Square(Place.Place());
        return PlainGrid.SquareRect().PlacedAt(Square.X(), Square.Y());
    }
};

TEST(ScaledGridTest, AtFractionalAndWholeRatiosEveryEdgeIsAWholeDevicePixel)
{
    for (const double Ratio : {1.5, 2.0}) {
        SCOPED_TRACE(Ratio);
        TScaledRig Rig(Ratio);
        ASSERT_EQ(Rig.Scaled.width(), qRound(GridSize * Ratio));
        ASSERT_EQ(Rig.Scaled.height(), qRound(GridSize * Ratio));
        // Squares with a value hold text, which is not compared.
        std::vector<bool> Text(GridSize * GridSize, false);
        for (int Index = 0; Index < 81; ++Index) {
            if (Rig.Child().CellByIndex(Index)->GetValue() == 0)
                continue;
            const TRect Area = Rig.SquareOf(Index);
            for (int Y = Area.Top; Y < Area.Bottom; ++Y)
                for (int X = Area.Left; X < Area.Right; ++X)
                    Text[static_cast<size_t>(Y * GridSize + X)] = true;
        }
        const std::vector<int> Logical = LogicalPixels(GridSize, Ratio);
        ASSERT_EQ(static_cast<int>(Logical.size()), Rig.Scaled.width());
        int Wrong = 0;
        int Compared = 0;
        for (int Y = 0; Y < Rig.Scaled.height(); ++Y) {
            for (int X = 0; X < Rig.Scaled.width(); ++X) {
                const int LX = Logical[static_cast<size_t>(X)];
                const int LY = Logical[static_cast<size_t>(Y)];
                if (Text[static_cast<size_t>(LY * GridSize + LX)])
                    continue;
                ++Compared;
                if (PixelAt(Rig.Scaled, X, Y) != PixelAt(Rig.Plain, LX, LY) && ++Wrong <= 5)
                    ADD_FAILURE() << "device pixel (" << X << ", " << Y << ") differs from logical (" << LX << ", "
                                  << LY << ")";
            }
        }
        EXPECT_EQ(Wrong, 0);
        // The comparison covered the highlighted squares and their outlines.
        EXPECT_GT(CountColour(Rig.Plain, Rig.PlainGrid.GridRect(), clMoneyGreen), 6 * 30 * 30);
        EXPECT_GT(Compared, Rig.Scaled.width() * Rig.Scaled.height() / 2);
    }
}

TEST(ScaledGridTest, ValuesAreDrawnAtTheDeviceResolution)
{
    TScaledRig Rig(2.0);
    // An enlarged picture would repeat each logical pixel over a 2 x 2 block;
    // glyphs drawn at the full resolution have edges inside the blocks.
    int Split = 0;
    int Ink = 0;
    for (int Index = 0; Index < 81; ++Index) {
        if (Rig.Child().CellByIndex(Index)->GetValue() == 0)
            continue;
        const TRect Area = Rig.SquareOf(Index);
        for (int Y = 2 * Area.Top; Y < 2 * Area.Bottom; Y += 2)
            for (int X = 2 * Area.Left; X < 2 * Area.Right; X += 2) {
                const TColor Corner = PixelAt(Rig.Scaled, X, Y);
                Split += Corner != PixelAt(Rig.Scaled, X + 1, Y) || Corner != PixelAt(Rig.Scaled, X, Y + 1) ||
                         Corner != PixelAt(Rig.Scaled, X + 1, Y + 1);
            }
        Ink += CountInk(Rig.Plain, Area, Settings().GetColour(colRevealed)) +
               CountInk(Rig.Plain, Area, Settings().GetColour(colEntered));
    }
    ASSERT_GT(Ink, 100);
    EXPECT_GT(Split, Ink / 4);
}

}  // namespace
