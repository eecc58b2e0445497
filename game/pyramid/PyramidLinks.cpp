#include "PyramidLinks.h"

namespace {

constexpr uint8_t LastLayoutType = 13;

// Box-numbered layouts: parent (box, square) and child (box, square) for
// child c (0-based) and link i.
void BoxLink(uint8_t LayoutType, int c, int i, int& PBox, int& PSquare, int& CBox, int& CSquare)
{
    switch (LayoutType) {
    case 0:
        PBox = c;
        PSquare = i;
        CBox = i;
        CSquare = 4;
        break;
    case 1:
        PBox = c;
        PSquare = i;
        CBox = i;
        CSquare = i;
        break;
    case 3:
        PBox = i;
        PSquare = c;
        CBox = i;
        CSquare = 4;
        break;
    case 4:
        PBox = i;
        PSquare = c;
        CBox = i;
        CSquare = c;
        break;
    case 5:
        PBox = i;
        PSquare = c;
        CBox = i;
        CSquare = i;
        break;
    case 8:
        PBox = c;
        PSquare = i;
        CBox = 4;
        CSquare = i;
        break;
    default:
        PBox = c;
        PSquare = i;
        CBox = c;
        CSquare = i;
        break;  // 9
    }
}

// Row/column layouts: parent (row, column) and child (row, column).
void GridLink(uint8_t LayoutType, int c, int i, int& PRow, int& PCol, int& CRow, int& CCol)
{
    switch (LayoutType) {
    case 10:
        PRow = c;
        PCol = i;
        CRow = i;
        CCol = i;
        break;
    case 11:
        PRow = c;
        PCol = i;
        CRow = i;
        CCol = c;
        break;
    case 12:
        PRow = i;
        PCol = c;
        CRow = i;
        CCol = i;
        break;
    default:
        PRow = i;
        PCol = c;
        CRow = c;
        CCol = i;
        break;  // 13
    }
}

}  // namespace

int PyramidChildCount(uint8_t LayoutType)
{
    return LayoutType == OneChildLayout ? 1 : 9;
}

bool LayoutHasLinks(uint8_t LayoutType)
{
    return LayoutType <= LastLayoutType && LayoutType != 2 && LayoutType != 6 && LayoutType != 7;
}

std::vector<TPyramidLink> PyramidLinks(uint8_t LayoutType)
{
    std::vector<TPyramidLink> Links;
    if (!LayoutHasLinks(LayoutType))
        return Links;
    const bool ByBox = LayoutType <= 9;
    Links.reserve(81);
    for (int c = 0; c < 9; ++c) {
        for (int i = 0; i < LinksPerChild; ++i) {
            TPyramidLink Link{};
            Link.Child = c + 1;
            if (ByBox) {
                int PBox, PSquare, CBox, CSquare;
                BoxLink(LayoutType, c, i, PBox, PSquare, CBox, CSquare);
                const TPosition Parent = TPosition::FromBoxPlace(PBox, PSquare);
                const TPosition Child = TPosition::FromBoxPlace(CBox, CSquare);
                Link.ParentRow = Parent.Row;
                Link.ParentCol = Parent.Col;
                Link.ChildRow = Child.Row;
                Link.ChildCol = Child.Col;
            } else {
                GridLink(LayoutType, c, i, Link.ParentRow, Link.ParentCol, Link.ChildRow, Link.ChildCol);
            }
            Links.push_back(Link);
        }
    }
    return Links;
}
