#include "SinglesEngine.h"

#include "Exception.h"
#include "QVClasses.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <utility>

namespace {

constexpr uint16_t AllDigits = 0x3FE;
// Bit 0 of an unknown's mask: its digit has been taken from its peers.
constexpr uint16_t PlacedFlag = 1;

bool IsSingle(uint16_t Digits)
{
    return Digits != 0 && (Digits & (Digits - 1)) == 0;
}

}  // namespace

struct TSinglesEngine::TWork {
    TMasks Masks;                // per unknown: candidates, and PlacedFlag
    std::vector<int16_t> Queue;  // single-candidate unknowns not yet placed
    std::vector<uint8_t> Dirty;  // per house: to be looked at for hidden singles
    std::vector<int16_t> DirtyList;
    std::vector<int16_t> Houses;  // the dirty houses being looked at
    std::vector<TMasks> Saved;    // per search depth
    TMasks Base;

    void Clear()
    {
        Queue.clear();
        for (int16_t house : DirtyList) {
            Dirty[house] = 0;
        }
        DirtyList.clear();
    }
};

// Kept per thread, so that the inner loops allocate nothing once warm.
TSinglesEngine::TWork& TSinglesEngine::Work()
{
    thread_local TWork work;
    return work;
}

TSinglesEngine::TSinglesEngine(int PuzzleCount, const std::vector<TCellLink>& Links) : FPuzzleCount(PuzzleCount)
{
    if (PuzzleCount < 1) {
        throw Exception("Singles engine: no puzzles");
    }
    const int cells = PuzzleCount * 81;
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
            throw Exception("Singles engine: link out of range");
        }
        const int a = find(link.ParentCell);
        const int b = find(link.Child * 81 + link.ChildCell);
        if (a != b) {
            root[std::max(a, b)] = std::min(a, b);
        }
    }
    FUnknownOfCell.assign(cells, -1);
    std::vector<int> unknownOfRoot(cells, -1);
    FUnknownCount = 0;
    for (int cell = 0; cell < cells; ++cell) {
        int& unknown = unknownOfRoot[find(cell)];
        if (unknown < 0) {
            unknown = FUnknownCount++;
        }
        FUnknownOfCell[cell] = unknown;
    }
    std::vector<std::vector<int16_t>> housesOf(FUnknownCount);
    for (int p = 0; p < PuzzleCount; ++p) {
        for (int i = 0; i < 9; ++i) {
            for (int kind = 0; kind < 3; ++kind) {
                const int house = static_cast<int>(FHouses.size() / 9);
                for (int j = 0; j < 9; ++j) {
                    const int cell = kind == 0   ? i * 9 + j
                                     : kind == 1 ? j * 9 + i
                                                 : TPosition::FromBoxPlace(i, j).Index();
                    const int unknown = FUnknownOfCell[p * 81 + cell];
                    FHouses.push_back(static_cast<int16_t>(unknown));
                    housesOf[unknown].push_back(static_cast<int16_t>(house));
                }
            }
        }
    }
    std::vector<std::vector<int16_t>> peers(FUnknownCount);
    for (size_t house = 0; house < FHouses.size() / 9; ++house) {
        for (int a = 0; a < 9; ++a) {
            for (int b = 0; b < 9; ++b) {
                if (a != b) {
                    peers[FHouses[house * 9 + a]].push_back(FHouses[house * 9 + b]);
                }
            }
        }
    }
    for (int unknown = 0; unknown < FUnknownCount; ++unknown) {
        auto& list = peers[unknown];
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        FPeerStart.push_back(static_cast<int>(FPeers.size()));
        FPeers.insert(FPeers.end(), list.begin(), list.end());
        FHouseStart.push_back(static_cast<int>(FHousesOf.size()));
        FHousesOf.insert(FHousesOf.end(), housesOf[unknown].begin(), housesOf[unknown].end());
    }
    FPeerStart.push_back(static_cast<int>(FPeers.size()));
    FHouseStart.push_back(static_cast<int>(FHousesOf.size()));
}

const TSinglesEngine* TSinglesEngine::ForLayout(uint8_t LayoutType)
{
    constexpr size_t LayoutCodes = 14;
    static const std::array<TSinglesEngine, LayoutCodes> engines = []<size_t... Layout>(std::index_sequence<Layout...>)
    {
        return std::array<TSinglesEngine, LayoutCodes>{
            TSinglesEngine(LayoutPuzzleCount(Layout), LayoutLinks(static_cast<uint8_t>(Layout)))...};
    }
    (std::make_index_sequence<LayoutCodes>());
    return LayoutType < LayoutCodes ? &engines[LayoutType] : nullptr;
}

const TSinglesEngine& TSinglesEngine::Single()
{
    static const TSinglesEngine engine(1, {});
    return engine;
}

void TSinglesEngine::Narrow(TWork& Work, int Unknown, uint16_t Mask) const
{
    uint16_t& masks = Work.Masks[Unknown];
    const uint16_t kept = static_cast<uint16_t>(masks & (Mask | PlacedFlag));
    if (kept == masks) {
        return;
    }
    masks = kept;
    for (int k = FHouseStart[Unknown]; k < FHouseStart[Unknown + 1]; ++k) {
        const int house = FHousesOf[k];
        if (!Work.Dirty[house]) {
            Work.Dirty[house] = 1;
            Work.DirtyList.push_back(static_cast<int16_t>(house));
        }
    }
    if (!(kept & PlacedFlag) && IsSingle(static_cast<uint16_t>(kept & AllDigits))) {
        Work.Queue.push_back(static_cast<int16_t>(Unknown));
    }
}

bool TSinglesEngine::Load(const std::vector<uint8_t>& Digits, TWork& Work) const
{
    if (static_cast<int>(Digits.size()) != FPuzzleCount * 81) {
        throw Exception("Singles engine: wrong number of digits");
    }
    Work.Masks.assign(FUnknownCount, AllDigits);
    Work.Queue.clear();
    Work.Queue.reserve(FUnknownCount);
    Work.Dirty.assign(FHouses.size() / 9, 1);
    Work.DirtyList.resize(FHouses.size() / 9);
    std::iota(Work.DirtyList.begin(), Work.DirtyList.end(), static_cast<int16_t>(0));
    for (size_t cell = 0; cell < Digits.size(); ++cell) {
        const int digit = Digits[cell];
        if (digit > 9) {
            throw Exception("Singles engine: digit out of range");
        }
        if (digit != 0) {
            const int unknown = FUnknownOfCell[cell];
            Narrow(Work, unknown, static_cast<uint16_t>(1u << digit));
            if ((Work.Masks[unknown] & AllDigits) == 0) {
                return false;
            }
        }
    }
    return true;
}

bool TSinglesEngine::Propagate(TWork& Work) const
{
    auto fail = [&Work] {
        Work.Clear();
        return false;
    };
    std::vector<int16_t>& houses = Work.Houses;
    houses.clear();
    for (;;) {
        while (!Work.Queue.empty()) {
            const int unknown = Work.Queue.back();
            Work.Queue.pop_back();
            const uint16_t mask = Work.Masks[unknown];
            if (mask & PlacedFlag) {
                continue;
            }
            Work.Masks[unknown] = static_cast<uint16_t>(mask | PlacedFlag);
            for (int k = FPeerStart[unknown]; k < FPeerStart[unknown + 1]; ++k) {
                const int peer = FPeers[k];
                const uint16_t peerMask = Work.Masks[peer];
                if (peerMask & mask) {
                    if ((peerMask & AllDigits) == mask) {
                        return fail();  // the same digit twice in a house
                    }
                    Narrow(Work, peer, static_cast<uint16_t>(~mask));
                }
            }
        }
        if (Work.DirtyList.empty()) {
            return true;
        }
        // Hidden singles: a digit with one place left in a house goes there,
        // a digit with no place left is a contradiction.
        houses.swap(Work.DirtyList);
        Work.DirtyList.clear();
        for (int16_t house : houses) {
            Work.Dirty[house] = 0;
        }
        for (int16_t house : houses) {
            const int16_t* unknowns = &FHouses[static_cast<size_t>(house) * 9];
            uint16_t once = 0;
            uint16_t twice = 0;
            for (int j = 0; j < 9; ++j) {
                const uint16_t mask = static_cast<uint16_t>(Work.Masks[unknowns[j]] & AllDigits);
                twice = static_cast<uint16_t>(twice | (once & mask));
                once = static_cast<uint16_t>(once | mask);
            }
            if (once != AllDigits) {
                return fail();
            }
            for (uint16_t exact = static_cast<uint16_t>(once & ~twice); exact != 0; exact &= exact - 1) {
                const uint16_t bit = static_cast<uint16_t>(exact & -exact);
                for (int j = 0; j < 9; ++j) {
                    if (Work.Masks[unknowns[j]] & bit) {
                        Narrow(Work, unknowns[j], bit);
                        break;
                    }
                }
            }
        }
        houses.clear();
    }
}

bool TSinglesEngine::SinglesFinish(const std::vector<uint8_t>& Digits) const
{
    return Examine(Digits, nullptr, {}, 0) == evFinished;
}

bool TSinglesEngine::Search(TWork& Work, int64_t& Nodes, size_t Depth) const
{
    if (--Nodes < 0 || !Propagate(Work)) {
        return false;
    }
    int best = -1;
    int bestCount = 10;
    for (int unknown = 0; unknown < FUnknownCount && bestCount > 2; ++unknown) {
        const uint16_t mask = Work.Masks[unknown];
        if (!(mask & PlacedFlag)) {
            const int count = std::popcount(static_cast<unsigned>(mask));
            if (count < bestCount) {
                best = unknown;
                bestCount = count;
            }
        }
    }
    if (best < 0) {
        return true;
    }
    if (Work.Saved.size() <= Depth) {
        Work.Saved.resize(Depth + 1);
    }
    Work.Saved[Depth] = Work.Masks;
    for (uint16_t options = Work.Masks[best]; options != 0 && Nodes >= 0; options &= options - 1) {
        Narrow(Work, best, static_cast<uint16_t>(options & -options));
        if (Search(Work, Nodes, Depth + 1)) {
            return true;
        }
        Work.Clear();
        Work.Masks = Work.Saved[Depth];
    }
    return false;
}

TSinglesEngine::TVerdict TSinglesEngine::Examine(const std::vector<uint8_t>& Digits,
                                                 const std::vector<uint8_t>* Solution, const std::vector<int>& Removed,
                                                 int64_t MaxNodes) const
{
    if (Solution && Solution->size() != Digits.size()) {
        throw Exception("Singles engine: wrong number of digits");
    }
    TWork& work = Work();
    if (!Load(Digits, work) || !Propagate(work)) {
        work.Clear();
        return evNoSolution;
    }
    if (std::all_of(work.Masks.begin(), work.Masks.end(), [](uint16_t Mask) { return (Mask & PlacedFlag) != 0; })) {
        return evFinished;
    }
    if (!Solution) {
        return evOpen;
    }
    work.Base = work.Masks;
    for (int cell : Removed) {
        if (cell < 0 || cell >= static_cast<int>(Digits.size()) || (*Solution)[cell] < 1 || (*Solution)[cell] > 9) {
            throw Exception("Singles engine: removed cell out of range");
        }
        const int unknown = FUnknownOfCell[cell];
        if (work.Base[unknown] & PlacedFlag) {
            continue;  // singles decide it: Solution's digit
        }
        work.Masks = work.Base;
        Narrow(work, unknown, static_cast<uint16_t>(AllDigits & ~(1u << (*Solution)[cell])));
        int64_t nodes = MaxNodes;
        const bool found = Search(work, nodes, 0);
        work.Clear();
        if (found) {
            return evSecond;
        }
    }
    return evOpen;
}
