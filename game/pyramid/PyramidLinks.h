#pragma once
// The cell links of the pyramid's layout types: which parent cell goes with
// which cell of which child. The pyramid wires its puzzles from this table,
// and the publisher's tools make and check solutions against the same pairs.
//
// Layout codes are unsigned bytes; 2, 6, 7 and every code above 13 link
// nothing. Layout 7 has a single child, every other code nine.

#include "QVClasses.h"

#include <cstdint>
#include <vector>

// One linked pair: the parent's cell (ParentRow, ParentCol) and the cell
// (ChildRow, ChildCol) of child Child (1 to the child count) hold one digit.
struct TPyramidLink {
    int ParentRow;
    int ParentCol;
    int Child;
    int ChildRow;
    int ChildCol;

    int ParentIndex() const { return ParentRow * 9 + ParentCol; }
    int ChildIndex() const { return ChildRow * 9 + ChildCol; }
};

constexpr uint8_t OneChildLayout = 7;
constexpr int LinksPerChild = 9;

// 1 for layout 7, 9 for every other code.
int PyramidChildCount(uint8_t LayoutType);
// Whether the layout links its puzzles at all (not 2, 6, 7 or above 13).
bool LayoutHasLinks(uint8_t LayoutType);
// The 81 pairs of a linked layout (children 1 to 9 in order, nine pairs each,
// in the order of the layout's link builder); empty for the unlinked codes.
std::vector<TPyramidLink> PyramidLinks(uint8_t LayoutType);
