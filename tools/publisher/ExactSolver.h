#pragma once
// Exact solver over a linked pyramid of 9x9 puzzles, independent of the
// game's human-style methods. Every group of linked cells is one unknown: a
// parent cell and its child partner always hold the same digit, so the solver
// merges them and keeps 27 houses per puzzle over the merged unknowns.
// Candidates are bit masks (bit d for digit d); naked and hidden singles are
// propagated and the search branches on the unknown with fewest candidates.
//
// Digit arrays hold PuzzleCount() x 81 bytes: puzzle 0 (the parent) first,
// then each child, every puzzle in cell index order (row x 9 + column);
// 0 means unknown, 1 to 9 a given digit, anything else is rejected.

#include <array>
#include <cstdint>
#include <vector>

// One link: the parent's cell ParentCell (0-80) and cell ChildCell of puzzle
// Child (1 to the child count) hold the same digit.
struct TCellLink {
    int ParentCell;
    int Child;
    int ChildCell;
};

// The link pairs of a layout type, in the order the table of layout types
// lists them (children c = 0..8, then i = 0..8). No links for 2, 6, 7 and
// codes above 13.
std::vector<TCellLink> LayoutLinks(uint8_t LayoutType);
// 1 + the child count of a layout type (2 for layout 7, else 10).
int LayoutPuzzleCount(uint8_t LayoutType);

class TExactSolver {
public:
    // Raises Exception when a link names a puzzle or cell out of range.
    TExactSolver(int PuzzleCount, const std::vector<TCellLink>& Links);
    static TExactSolver ForLayout(uint8_t LayoutType);

    int PuzzleCount() const { return FPuzzleCount; }
    int UnknownCount() const { return static_cast<int>(FPeers.size()); }

    // Counts the solutions that agree with Digits, stopping at Limit (>= 1).
    // When Solution is given and a solution exists, it receives the first one
    // found, PuzzleCount() x 81 digits. Givens that clash (in a house or over
    // a link) give 0. Raises Exception for a wrong size or a digit above 9.
    int CountSolutions(const std::vector<uint8_t>& Digits, int Limit,
                       std::vector<uint8_t>* Solution = nullptr) const;

    // Shorthand: exactly one solution.
    bool IsUnique(const std::vector<uint8_t>& Digits, std::vector<uint8_t>* Solution = nullptr) const
    {
        return CountSolutions(Digits, 2, Solution) == 1;
    }

private:
    struct TState;
    bool Assign(TState& State, int Unknown, int Digit) const;
    bool Propagate(TState& State) const;
    void Search(TState& State, int Limit, int& Found, std::vector<uint16_t>* First) const;

    int FPuzzleCount;
    std::vector<int> FUnknownOfCell;           // PuzzleCount x 81 -> unknown
    std::vector<std::vector<int>> FPeers;      // per unknown, deduplicated
    std::vector<std::array<int, 9>> FHouses;   // 27 per puzzle, over unknowns
};
