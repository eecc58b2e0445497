#include "ExactSolver.h"

#include "Exception.h"
#include "PyramidLinks.h"
#include "QVClasses.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

constexpr uint16_t AllDigits = 0x3FE;

int CellOfBox(int Box, int Square)
{
    return TPosition::FromBoxPlace(Box, Square).Index();
}

int CellOfPos(int Row, int Col)
{
    return Row * 9 + Col;
}

// Candidate counts by mask (bits 0-9); the portable popcount may be a call.
struct TCountTable {
    uint8_t Count[1024];
    constexpr TCountTable() : Count{}
    {
        for (int mask = 1; mask < 1024; ++mask) {
            Count[mask] = static_cast<uint8_t>(Count[mask >> 1] + (mask & 1));
        }
    }
};
constexpr TCountTable CountTable;

bool IsSingle(uint16_t Mask)
{
    return Mask != 0 && (Mask & (Mask - 1)) == 0;
}

}  // namespace

std::vector<TCellLink> LayoutLinks(uint8_t LayoutType)
{
    // The pyramid's own table, so the solver can never disagree with the game
    // about which cells are one unknown.
    std::vector<TCellLink> links;
    for (const TPyramidLink& link : PyramidLinks(LayoutType)) {
        links.push_back({link.ParentIndex(), link.Child, link.ChildIndex()});
    }
    return links;
}

int LayoutPuzzleCount(uint8_t LayoutType)
{
    return 1 + PyramidChildCount(LayoutType);
}

struct TExactSolver::TState {
    std::vector<uint16_t> Candidates;  // per unknown
    std::vector<uint8_t> Placed;       // its digit has been taken from its peers
    std::vector<int> Pending;          // single-candidate unknowns not yet placed
};

std::vector<int> LinkedUnknowns(int PuzzleCount, const std::vector<TCellLink>& Links, const char* Who, int& Count)
{
    const int cells = PuzzleCount * 81;
    // Union-find over all cells; a link joins the parent cell and its partner.
    std::vector<int> root(cells);
    std::iota(root.begin(), root.end(), 0);
    auto find = [&](int Cell) {
        while (root[Cell] != Cell) {
            root[Cell] = root[root[Cell]];
            Cell = root[Cell];
        }
        return Cell;
    };
    for (const TCellLink& link : Links) {
        if (link.ParentCell < 0 || link.ParentCell > 80 || link.ChildCell < 0 || link.ChildCell > 80 ||
            link.Child < 1 || link.Child >= PuzzleCount) {
            throw Exception(std::string(Who) + ": link out of range");
        }
        const int a = find(link.ParentCell);
        const int b = find(link.Child * 81 + link.ChildCell);
        if (a != b) {
            root[std::max(a, b)] = std::min(a, b);
        }
    }
    std::vector<int> unknownOfCell(cells, -1);
    std::vector<int> unknownOfRoot(cells, -1);
    Count = 0;
    for (int cell = 0; cell < cells; ++cell) {
        int& unknown = unknownOfRoot[find(cell)];
        if (unknown < 0) {
            unknown = Count++;
        }
        unknownOfCell[cell] = unknown;
    }
    return unknownOfCell;
}

TExactSolver::TExactSolver(int PuzzleCount, const std::vector<TCellLink>& Links) : FPuzzleCount(PuzzleCount)
{
    if (PuzzleCount < 1) {
        throw Exception("Exact solver: no puzzles");
    }
    const int cells = PuzzleCount * 81;
    int unknowns = 0;
    FUnknownOfCell = LinkedUnknowns(PuzzleCount, Links, "Exact solver", unknowns);
    FPuzzleOfUnknown.assign(unknowns, 0);
    for (int cell = 0; cell < cells; ++cell) {
        FPuzzleOfUnknown[FUnknownOfCell[cell]] = cell / 81;  // the child's, for a linked pair
    }
    for (int p = 0; p < PuzzleCount; ++p) {
        for (int i = 0; i < 9; ++i) {
            std::array<int, 9> row{};
            std::array<int, 9> col{};
            std::array<int, 9> box{};
            for (int j = 0; j < 9; ++j) {
                row[j] = FUnknownOfCell[p * 81 + CellOfPos(i, j)];
                col[j] = FUnknownOfCell[p * 81 + CellOfPos(j, i)];
                box[j] = FUnknownOfCell[p * 81 + CellOfBox(i, j)];
            }
            FHouses.push_back(row);
            FHouses.push_back(col);
            FHouses.push_back(box);
        }
    }
    // Each box with each of the three rows and three columns through it.
    for (int p = 0; p < PuzzleCount; ++p) {
        for (int b = 0; b < 9; ++b) {
            for (int k = 0; k < 3; ++k) {
                TIntersection row;
                row.Box = p * 27 + 3 * b + 2;
                const int r = 3 * (b / 3) + k;
                row.Line = p * 27 + 3 * r;
                TIntersection col;
                col.Box = row.Box;
                const int c = 3 * (b % 3) + k;
                col.Line = p * 27 + 3 * c + 1;
                for (int j = 0; j < 3; ++j) {
                    row.LinePlaces |= 1u << (3 * (b % 3) + j);
                    row.BoxPlaces |= 1u << (3 * k + j);
                    col.LinePlaces |= 1u << (3 * (b / 3) + j);
                    col.BoxPlaces |= 1u << (3 * j + k);
                }
                FIntersections.push_back(row);
                FIntersections.push_back(col);
            }
        }
    }
    FPeers.assign(unknowns, {});
    for (const auto& house : FHouses) {
        for (int a : house) {
            for (int b : house) {
                if (a != b) {
                    FPeers[a].push_back(b);
                }
            }
        }
    }
    for (auto& peers : FPeers) {
        std::sort(peers.begin(), peers.end());
        peers.erase(std::unique(peers.begin(), peers.end()), peers.end());
    }
}

TExactSolver TExactSolver::ForLayout(uint8_t LayoutType)
{
    return TExactSolver(LayoutPuzzleCount(LayoutType), LayoutLinks(LayoutType));
}

bool TExactSolver::Assign(TState& State, int Unknown, int Digit) const
{
    const uint16_t bit = static_cast<uint16_t>(1u << Digit);
    if ((State.Candidates[Unknown] & bit) == 0) {
        return false;
    }
    if (State.Candidates[Unknown] != bit) {
        State.Candidates[Unknown] = bit;
        State.Pending.push_back(Unknown);
    } else if (!State.Placed[Unknown]) {
        State.Pending.push_back(Unknown);
    }
    return true;
}

bool TExactSolver::Propagate(TState& State) const
{
    for (;;) {
        while (!State.Pending.empty()) {
            const int u = State.Pending.back();
            State.Pending.pop_back();
            if (State.Placed[u]) {
                continue;
            }
            State.Placed[u] = 1;
            const uint16_t bit = State.Candidates[u];
            for (int peer : FPeers[u]) {
                uint16_t& mask = State.Candidates[peer];
                if (mask & bit) {
                    mask = static_cast<uint16_t>(mask & ~bit);
                    if (mask == 0) {
                        return false;
                    }
                    if (IsSingle(mask)) {
                        State.Pending.push_back(peer);
                    }
                }
            }
        }
        // Hidden singles: a digit with one place left in a house goes there;
        // a digit with no place left means a contradiction.
        bool changed = false;
        for (const auto& house : FHouses) {
            uint16_t once = 0;
            uint16_t twice = 0;
            for (int u : house) {
                const uint16_t mask = State.Candidates[u];
                twice = static_cast<uint16_t>(twice | (once & mask));
                once = static_cast<uint16_t>(once | mask);
            }
            if (once != AllDigits) {
                return false;
            }
            uint16_t exact = static_cast<uint16_t>(once & ~twice);
            while (exact) {
                const uint16_t bit = static_cast<uint16_t>(exact & -exact);
                exact = static_cast<uint16_t>(exact & ~bit);
                for (int u : house) {
                    if (State.Candidates[u] & bit) {
                        if (State.Candidates[u] != bit) {
                            State.Candidates[u] = bit;
                            State.Pending.push_back(u);
                            changed = true;
                        }
                        break;
                    }
                }
            }
        }
        if (changed || !State.Pending.empty()) {
            continue;
        }
        // Only when singles are exhausted: pairs and box-line intersections.
        // They rarely fire but keep the search from guessing where a short
        // argument decides, and refute wrong guesses early.
        int outcome = PairsAndIntersections(State);
        if (outcome < 0) {
            return false;
        }
        if (outcome == 0) {
            return true;
        }
    }
}

int TExactSolver::PairsAndIntersections(TState& State) const
{
    bool changed = false;
    bool failed = false;
    auto eliminate = [&](int Unknown, uint16_t Digits) {
        uint16_t& mask = State.Candidates[Unknown];
        if ((mask & Digits) == 0) {
            return;
        }
        mask = static_cast<uint16_t>(mask & ~Digits);
        changed = true;
        if (mask == 0) {
            failed = true;
        } else if (IsSingle(mask)) {
            State.Pending.push_back(Unknown);
        }
    };
    // A house whose every cell has one candidate left holds no pair, and
    // with singles exhausted a box and line of which one is finished have
    // nothing to take from each other.
    std::vector<uint8_t> finished(FHouses.size(), 0);
    for (size_t h = 0; h < FHouses.size(); ++h) {
        const auto& house = FHouses[h];
        bool open = false;
        for (int u : house) {
            open = open || !IsSingle(State.Candidates[u]);
        }
        if (!open) {
            finished[h] = 1;
            continue;
        }
        // Naked pairs: two cells with the same two candidates.
        for (int a = 0; a < 9; ++a) {
            const uint16_t mask = State.Candidates[house[a]];
            if (CountTable.Count[mask] != 2) {
                continue;
            }
            for (int b = a + 1; b < 9; ++b) {
                if (State.Candidates[house[b]] == mask) {
                    for (int c = 0; c < 9; ++c) {
                        if (c != a && c != b) {
                            eliminate(house[c], mask);
                        }
                    }
                }
            }
        }
        // Hidden pairs: two digits with the same two places.
        uint16_t places[10] = {};
        for (int position = 0; position < 9; ++position) {
            for (uint32_t mask = State.Candidates[house[position]]; mask != 0; mask &= mask - 1) {
                const int digit = std::countr_zero(mask);
                places[digit] = static_cast<uint16_t>(places[digit] | (1u << position));
            }
        }
        for (int a = 1; a <= 9; ++a) {
            if (CountTable.Count[places[a]] != 2) {
                continue;
            }
            for (int b = a + 1; b <= 9; ++b) {
                if (places[b] == places[a]) {
                    const uint16_t keep = static_cast<uint16_t>((1u << a) | (1u << b));
                    for (int position = 0; position < 9; ++position) {
                        if (places[a] & (1u << position)) {
                            eliminate(house[position], static_cast<uint16_t>(AllDigits & ~keep));
                        }
                    }
                }
            }
        }
        if (failed) {
            return -1;
        }
    }
    // A digit of a box confined to one line leaves the rest of the line, and
    // a digit of a line confined to one box leaves the rest of the box.
    for (const TIntersection& cross : FIntersections) {
        if (finished[static_cast<size_t>(cross.Line)] || finished[static_cast<size_t>(cross.Box)]) {
            continue;
        }
        const auto& line = FHouses[cross.Line];
        const auto& box = FHouses[cross.Box];
        uint16_t inside = 0;
        uint16_t lineRest = 0;
        uint16_t boxRest = 0;
        for (int position = 0; position < 9; ++position) {
            const uint16_t lineMask = State.Candidates[line[position]];
            const uint16_t boxMask = State.Candidates[box[position]];
            if (cross.LinePlaces & (1u << position)) {
                inside = static_cast<uint16_t>(inside | lineMask);
            } else {
                lineRest = static_cast<uint16_t>(lineRest | lineMask);
            }
            if (!(cross.BoxPlaces & (1u << position))) {
                boxRest = static_cast<uint16_t>(boxRest | boxMask);
            }
        }
        const uint16_t pointing = static_cast<uint16_t>(inside & ~boxRest & lineRest);
        const uint16_t claiming = static_cast<uint16_t>(inside & ~lineRest & boxRest);
        for (int position = 0; position < 9; ++position) {
            if (pointing && !(cross.LinePlaces & (1u << position))) {
                eliminate(line[position], pointing);
            }
            if (claiming && !(cross.BoxPlaces & (1u << position))) {
                eliminate(box[position], claiming);
            }
        }
        if (failed) {
            return -1;
        }
    }
    return changed ? 1 : 0;
}

int TExactSolver::ChooseUnknown(const TState& State, int& Focus) const
{
    // Branching stays inside the puzzle of the previous branch while it has
    // open cells. A wrong guess in one child is then refuted inside that
    // child, instead of once for every combination of guesses in the others.
    auto better = [&](int Unknown, int& Best, int& BestCount) {
        const int count = CountTable.Count[State.Candidates[Unknown] & 0x3FF];
        if (count > 1 && count < BestCount) {
            Best = Unknown;
            BestCount = count;
        }
    };
    int best = -1;
    int bestCount = 10;
    if (Focus >= 0) {
        for (int cell = Focus * 81; cell < Focus * 81 + 81 && bestCount > 2; ++cell) {
            better(FUnknownOfCell[cell], best, bestCount);
        }
        if (best >= 0) {
            return best;
        }
    }
    for (int u = 0; u < static_cast<int>(State.Candidates.size()) && bestCount > 2; ++u) {
        better(u, best, bestCount);
    }
    if (best >= 0) {
        Focus = FPuzzleOfUnknown[best];
    }
    return best;
}

void TExactSolver::Search(TState& State, int Focus, TSearch& Run) const
{
    if (Run.Nodes++ >= Run.MaxNodes) {
        Run.Exhausted = true;
        return;
    }
    if (!Propagate(State)) {
        return;
    }
    const int best = ChooseUnknown(State, Focus);
    if (best < 0) {
        if (++Run.Found == 1 && Run.First) {
            *Run.First = State.Candidates;
        }
        return;
    }
    uint16_t options = State.Candidates[best];
    while (options && Run.Found < Run.Limit && !Run.Exhausted) {
        const int digit = std::countr_zero(options);
        options = static_cast<uint16_t>(options & (options - 1));
        TState next = State;
        if (Assign(next, best, digit)) {
            Search(next, Focus, Run);
        }
    }
}

int TExactSolver::CountSolutions(const std::vector<uint8_t>& Digits, int Limit, std::vector<uint8_t>* Solution,
                                 int64_t MaxNodes) const
{
    if (static_cast<int>(Digits.size()) != FPuzzleCount * 81) {
        throw Exception("Exact solver: wrong number of digits");
    }
    if (Limit < 1) {
        Limit = 1;
    }
    TState state;
    state.Candidates.assign(FPeers.size(), AllDigits);
    state.Placed.assign(FPeers.size(), 0);
    for (size_t cell = 0; cell < Digits.size(); ++cell) {
        const int digit = Digits[cell];
        if (digit > 9) {
            throw Exception("Exact solver: digit out of range");
        }
        if (digit != 0 && !Assign(state, FUnknownOfCell[cell], digit)) {
            return 0;
        }
    }
    std::vector<uint16_t> first;
    TSearch run;
    run.Limit = Limit;
    run.MaxNodes = MaxNodes > 0 ? MaxNodes : INT64_MAX;
    run.First = Solution ? &first : nullptr;
    Search(state, -1, run);
    if (run.Exhausted) {
        return -1;
    }
    const int found = run.Found;
    if (Solution && found > 0) {
        Solution->resize(Digits.size());
        for (size_t cell = 0; cell < Digits.size(); ++cell) {
            (*Solution)[cell] = static_cast<uint8_t>(std::countr_zero(first[FUnknownOfCell[cell]]));
        }
    }
    return found;
}
