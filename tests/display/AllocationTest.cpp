// Painting a square or the whole grid allocates nothing once the canvas has
// met its fonts: counted through the global allocation functions.
#include "Cell.h"
#include "DisplayTestSupport.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"
#include "QVDisplayGrid.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Allocations{0};
}  // namespace

void* operator new(std::size_t Size)
{
    ++Allocations;
    if (void* Block = std::malloc(Size == 0 ? 1 : Size))
        return Block;
    throw std::bad_alloc();
}
void operator delete(void* Block) noexcept
{
    std::free(Block);
}
void operator delete(void* Block, std::size_t) noexcept
{
    std::free(Block);
}

namespace {

TEST(GridAllocationTest, PaintingAllocatesNothing)
{
    TScopedSettings Scoped;
    TTestPyramid Game = MakeTestPyramid(0, 41, 30);
    Game.Pyramid->SetPencilMode(4);
    QImage Image = MakeScreenBitmap(394, 394);
    TQVCanvas Canvas(&Image);
    TGrid Grid(&Canvas, false, 394, 394, clSkyBlue);
    Game.Pyramid->GetLink(1)->SetDisplay(&Grid);
    Grid.SetLink(Game.Pyramid->GetLink(1));
    Grid.MouseMove(10, 10);
    // Warm-up: fonts, glyph caches, the highlight polygon.
    Grid.SetHighlight(3);
    Grid.RepaintAll();
    Grid.RepaintAll();

    long Before = Allocations.load();
    for (int Place = 0; Place < 81; ++Place)
        Grid.RepaintSquare(Place / 9, Place % 9);
    EXPECT_EQ(Allocations.load() - Before, 0);
    Before = Allocations.load();
    Grid.RepaintAll();
    EXPECT_EQ(Allocations.load() - Before, 0);
    Game.Pyramid->GetLink(1)->SetDisplay(nullptr);
}

}  // namespace
