#pragma once
// The pyramid: one parent puzzle and its children (nine, or one for layout
// 7), each held through a display link, with the parent's cells linked to
// child cells as the layout type says. It fills all puzzles from the puzzle
// stream, passes the pencil mode on, solves the whole pyramid and composes
// the lines a saved game stores per puzzle.
//
// Puzzle index 0 is the parent, 1 to ChildCount() the children.
//
// Ownership: the pyramid owns every child puzzle and child link, the parent
// puzzle and parent link when it created them itself, and Info. A parent link
// handed to the constructor, and the puzzle it carries, belong to the caller;
// the pyramid wires that puzzle's cells to its children and unwires them
// again when it is destroyed, so the caller's puzzle never points into freed
// children.

#include "DisplayLink.h"
#include "MethodSet.h"
#include "PuzzleInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPuzzle;
class TStream;

class TPuzzleXLink {
public:
    static constexpr int StreamRecordSize = 176;
    static constexpr int StreamDigitsOffset = 12;
    static constexpr int StreamGivensOffset = 93;

    // Creates the puzzles and their links and wires the cells for the layout
    // (codes 2, 6, 7 and above 13 wire nothing). ParentLink may be nullptr, in
    // which case the pyramid makes its own parent; a link given must carry a
    // TPuzzle (Exception otherwise).
    TPuzzleXLink(uint8_t LayoutType, TQVDisplayLink* ParentLink, int SaveNumberA, int SaveNumberB);
    // As above with the header's layout byte, then copies the header's game
    // fields into Info: the words at 0, 4, 12 and 212, the byte at 16, both
    // texts and the bytes 216 to 224. Filler and stream position stay Info's.
    TPuzzleXLink(const TPuzzleInfo& Header, TQVDisplayLink* ParentLink, int SaveNumberA, int SaveNumberB);
    static std::unique_ptr<TPuzzleXLink> CreateFromHeader(const TPuzzleInfo& Header, TQVDisplayLink* ParentLink,
                                                          int SaveNumberA, int SaveNumberB);
    ~TPuzzleXLink();
    TPuzzleXLink(const TPuzzleXLink&) = delete;
    TPuzzleXLink& operator=(const TPuzzleXLink&) = delete;

    uint8_t LayoutType() const { return FInfo.GetLayoutType(); }
    int ChildCount() const { return FChildCount; }
    int SaveNumberA() const { return FSaveNumberA; }
    int SaveNumberB() const { return FSaveNumberB; }
    TPuzzleInfo& Info() { return FInfo; }
    const TPuzzleInfo& Info() const { return FInfo; }

    // Reads 1 + ChildCount records of 176 bytes from the stream's position,
    // parent first, and loads each puzzle with its solution digits and given
    // flags. The whole stream is read and checked before any puzzle changes:
    // a stream that ends early raises Exception naming the short record, and
    // a solution digit outside 1 to 9 one naming the record and cell; the
    // puzzles are then as before. Contradictory digits raise the model's
    // ENoPossibilities from the puzzle being loaded. After loading, no puzzle
    // has undo records or checkpoints.
    void LoadFromStream(TStream& Stream);

    // Mark style for every puzzle, parent first; a puzzle already in it does
    // nothing.
    void SetPencilMode(uint8_t Mode);

    // The link and puzzle of an index 0 to ChildCount; nullptr outside.
    TQVDisplayLink* GetLink(int Index) const;
    TPuzzle* GetPuzzle(int Index) const;

    // The child (1 to ChildCount) holding the partner of the parent's cell at
    // (Box, Square); 1 when the cell has no partner, and for places outside
    // the grid.
    int ChildForSquare(int Box, int Square) const;

    // Solves every changed puzzle in index order with Methods, pass after
    // pass, until a pass leaves the parent unchanged. Answers the number of
    // passes.
    int SolvePyramid(TMethodSet Methods);

    // The lines a saved game stores for a puzzle: values "0,0,1," (parent) or
    // "A,B,index," (child) and the entries text; the user marks and the
    // erasures texts (empty when nothing is set). Empty for a bad index.
    std::string GetValuesLine(int Index) const;
    std::string GetMarksLine(int Index) const;
    std::string GetErasuresLine(int Index) const;

private:
    void BuildLinks();

    TPuzzleInfo FInfo;
    int FSaveNumberA;
    int FSaveNumberB;
    int FChildCount;
    TQVDisplayLink* FParentLink;  // owned through FOwnParentLink or by the caller
    TPuzzle* FParent;
    std::unique_ptr<TQVDisplayPark> FOwnParentLink;
    std::unique_ptr<TPuzzle> FOwnParent;
    std::vector<std::unique_ptr<TQVDisplayPark>> FChildLinks;
    std::vector<std::unique_ptr<TPuzzle>> FChildren;
};
