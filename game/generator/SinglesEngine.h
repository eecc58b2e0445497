#pragma once
// Quick checks for the generator's inner loops over the same merged unknowns
// as the exact solver (a linked parent cell and its child partner are one
// unknown), kept as fixed arrays of bit masks with no allocation per step.
//
// SinglesFinish is the closure of naked and hidden singles over every house
// of every puzzle. Those rules only grow what is known, so the closure does
// not depend on the order they fire in, and every solver that applies at
// least them with candidates as narrow (or narrower), until none applies,
// fills in every cell the closure fills. The game's methods at the singles
// level apply exactly these rules (a linked cell shows the digits both
// partners allow), so there the closure finishing and the methods finishing
// are the same. Examine can add the pair rules of the higher levels; what
// that closure fills, the methods of the level fill too (whatever the
// closure concludes holds once the methods have nothing left to do), so its
// finishing proves theirs, while its not finishing is left to them.
//
// Examine also looks for a solution other than a known one, among the
// fillings that differ from it in at least one of the cells given up; it
// answers so only with such a solution in hand, so that answer proves that
// the givens have more than one solution.

#include "ExactSolver.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TSinglesEngine {
public:
    // Raises Exception when a link names a puzzle or cell out of range.
    TSinglesEngine(int PuzzleCount, const std::vector<TCellLink>& Links);
    // Built once per layout type (0 to 13) and kept; safe to use from any
    // thread. Null for other codes.
    static const TSinglesEngine* ForLayout(uint8_t LayoutType);
    // One puzzle without links.
    static const TSinglesEngine& Single();

    int PuzzleCount() const { return FPuzzleCount; }

    // Digits: PuzzleCount() x 81, 0 unknown, 1 to 9 given, as for the exact
    // solver; linked cells must agree where both are given. Whether naked
    // and hidden singles alone fill every unknown (false for clashing
    // givens).
    bool SinglesFinish(const std::vector<uint8_t>& Digits) const;

    enum TVerdict {
        evFinished,    // the closure fills every unknown
        evSecond,      // a solution other than Solution was found
        evOpen,        // neither (also: the search ran out of steps)
        evNoSolution,  // the givens clash
    };
    // The closure of Digits under Rules and, when it leaves unknowns open and
    // Solution is given, a search for another solution among the fillings
    // that differ from Solution in one of the cells Removed. Solution:
    // PuzzleCount() x 81 digits of a full solution that agrees with Digits.
    // Removed: cells (puzzle x 81 + cell) to which Digits gives no digit.
    // The search gives up on a cell after MaxNodes steps.
    // Rules: 0 singles only; 1 and locked pairs (two cells of a house with
    // the same two candidates take them from the rest of the house); 2 and
    // hidden locked pairs (two digits with the same two places in a house
    // leave those cells nothing else), as the method levels add them.
    TVerdict Examine(const std::vector<uint8_t>& Digits, const std::vector<uint8_t>* Solution,
                     const std::vector<int>& Removed, int64_t MaxNodes, int Rules = 0) const;

private:
    using TMasks = std::vector<uint16_t>;
    struct TWork;
    bool Load(const std::vector<uint8_t>& Digits, TWork& Work) const;
    void Narrow(TWork& Work, int Unknown, uint16_t Mask) const;
    bool PropagateSingles(TWork& Work) const;
    // One sweep of the pair rules over every house: -1 contradiction, 1
    // progress, 0 none.
    int PairSweep(TWork& Work) const;
    bool Propagate(TWork& Work) const;
    bool Search(TWork& Work, int64_t& Nodes, size_t Depth) const;
    static TWork& Work();

    int FPuzzleCount;
    int FUnknownCount;
    std::vector<int> FUnknownOfCell;  // PuzzleCount x 81
    std::vector<int16_t> FHouses;     // 9 unknowns per house, 27 per puzzle
    std::vector<int> FPeerStart;      // per unknown, into FPeers
    std::vector<int16_t> FPeers;      // deduplicated
    std::vector<int> FHouseStart;     // per unknown, into FHousesOf
    std::vector<int16_t> FHousesOf;   // the houses an unknown lies in
};
