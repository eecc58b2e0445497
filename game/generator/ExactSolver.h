#pragma once
// Exact solver over a linked pyramid of 9x9 puzzles, independent of the
// game's human-style methods. Every group of linked cells is one unknown: a
// parent cell and its child partner always hold the same digit, so the solver
// merges them and keeps 27 houses per puzzle over the merged unknowns.
// Candidates are bit masks (bit d for digit d); naked and hidden singles,
// naked and hidden pairs and box-line intersections are propagated, and the
// search branches on the unknown with fewest candidates, staying in one
// puzzle while it has open cells.
//
// Digit arrays hold PuzzleCount() x 81 bytes: puzzle 0 (the parent) first,
// then each child, every puzzle in cell index order (row x 9 + column);
// 0 means unknown, 1 to 9 a given digit, anything else is rejected.

#include <array>
#include <cstdint>
#include <vector>

// One link: the parent's cell ParentCell (0-80) and cell ChildCell of puzzle
// Child (1 to the child count) hold the same digit.
struct TCellLink;

// The unknown of every cell of PuzzleCount puzzles (puzzle * 81 + cell),
// linked cells sharing theirs, numbered in cell order from 0; Count gets
// how many there are. Raises Exception naming Who for a link out of range.
std::vector<int> LinkedUnknowns(int PuzzleCount, const std::vector<TCellLink>& Links, const char* Who, int& Count);

struct TCellLink {
    int ParentCell;
    int Child;
    int ChildCell;
};

// The link pairs of a layout type, from the pyramid's link table, as cell
// indexes. No links for 2, 6, 7 and codes above 13.
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
    // a link) give 0. With MaxNodes above 0 the search gives up after that
    // many steps and answers -1 (undecided). Raises Exception for a wrong
    // size or a digit above 9.
    int CountSolutions(const std::vector<uint8_t>& Digits, int Limit, std::vector<uint8_t>* Solution = nullptr,
                       int64_t MaxNodes = 0) const;

    // Shorthand: exactly one solution.
    bool IsUnique(const std::vector<uint8_t>& Digits, std::vector<uint8_t>* Solution = nullptr) const
    {
        return CountSolutions(Digits, 2, Solution) == 1;
    }

private:
    struct TState;
    struct TSearch {
        int Limit = 2;
        int Found = 0;
        int64_t Nodes = 0;
        int64_t MaxNodes = 0;
        bool Exhausted = false;
        std::vector<uint16_t>* First = nullptr;
    };
    bool Assign(TState& State, int Unknown, int Digit) const;
    bool Propagate(TState& State) const;
    // One sweep of the stronger rules: -1 contradiction, 1 progress, 0 none.
    int PairsAndIntersections(TState& State) const;
    int ChooseUnknown(const TState& State, int& Focus) const;
    void Search(TState& State, int Focus, TSearch& Run) const;

    int FPuzzleCount;
    std::vector<int> FUnknownOfCell;          // PuzzleCount x 81 -> unknown
    std::vector<int> FPuzzleOfUnknown;        // the last puzzle holding it
    std::vector<std::vector<int>> FPeers;     // per unknown, deduplicated
    std::vector<std::array<int, 9>> FHouses;  // 27 per puzzle, over unknowns
    // A box and a row or column through it: house indexes and the places
    // (bits 0-8) of the three shared cells in each.
    struct TIntersection {
        int Box = 0;
        int Line = 0;
        uint32_t BoxPlaces = 0;
        uint32_t LinePlaces = 0;
    };
    std::vector<TIntersection> FIntersections;
};
