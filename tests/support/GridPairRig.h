#pragma once
// A real pyramid shown on two 394 x 394 screen grids, as the main window
// shows the parent and one child, for the display tests and benchmarks.
// The links are detached again before the grids go.

#include "Canvas.h"
#include "PyramidTestSupport.h"
#include "QVDisplayGrid.h"

#include <QImage>

struct TGridPair {
    static constexpr int GridSize = 394;

    TTestPyramid Game;
    QImage ParentImage = MakeScreenBitmap(GridSize, GridSize);
    QImage ChildImage = MakeScreenBitmap(GridSize, GridSize);
    TQVCanvas ParentCanvas{&ParentImage};
    TQVCanvas ChildCanvas{&ChildImage};
    TGrid ParentGrid{&ParentCanvas, true, GridSize, GridSize, clSkyBlue};
    TGrid ChildGrid{&ChildCanvas, false, GridSize, GridSize, clSkyBlue};

    TGridPair() = default;
    TGridPair(const TGridPair&) = delete;
    TGridPair& operator=(const TGridPair&) = delete;
    ~TGridPair()
    {
        if (Game.Pyramid) {
            for (int Index = 0; Index <= Game.Pyramid->ChildCount(); ++Index)
                Game.Pyramid->GetLink(Index)->SetDisplay(nullptr);
        }
    }

    // Attaches puzzle Index to Grid both ways and paints it.
    void Show(TGrid& Grid, int Index)
    {
        TQVDisplayLink* Link = Game.Pyramid->GetLink(Index);
        Link->SetDisplay(&Grid);
        Grid.SetLink(Link);
        Grid.RepaintAll();
    }
};
