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

// The state of a closure: per unknown its candidates, and per house and
// digit the number of unknowns of the house that still allow the digit, so
// that a hidden single shows the moment a count falls to one.
struct TSinglesEngine::TWork {
    TMasks Masks;                 // per unknown: candidates, and PlacedFlag
    std::vector<uint8_t> Counts;  // per house x 10 + digit
    std::vector<int16_t> Queue;   // single-candidate unknowns not yet placed
    std::vector<int16_t> Hidden;  // house x 10 + digit whose count fell to one
    bool Failed = false;
    int Rules = 0;  // 0 singles; 1 and locked pairs; 2 and hidden locked pairs
    struct TSaved {
        TMasks Masks;
        std::vector<uint8_t> Counts;
    };
    std::vector<TSaved> Saved;  // per search depth
    TSaved Base;

    void Save(TSaved& Into) const
    {
        Into.Masks = Masks;
        Into.Counts = Counts;
    }
    void Restore(const TSaved& From)
    {
        Masks = From.Masks;
        Counts = From.Counts;
        Clear();
    }
    void Clear()
    {
        Queue.clear();
        Hidden.clear();
        Failed = false;
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
    FUnknownOfCell = LinkedUnknowns(PuzzleCount, Links, "Singles engine", FUnknownCount);
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
    const uint16_t gone = static_cast<uint16_t>(masks & ~Mask & AllDigits);
    if (gone == 0) {
        return;
    }
    masks = static_cast<uint16_t>(masks & ~gone);
    const uint16_t left = static_cast<uint16_t>(masks & AllDigits);
    if (left == 0) {
        Work.Failed = true;
        return;
    }
    for (int k = FHouseStart[Unknown]; k < FHouseStart[Unknown + 1]; ++k) {
        const int base = FHousesOf[k] * 10;
        for (uint32_t digits = gone; digits != 0; digits &= digits - 1) {
            const int at = base + std::countr_zero(digits);
            const uint8_t count = --Work.Counts[at];
            if (count <= 1) {
                if (count == 0) {
                    Work.Failed = true;  // the digit has no place left in the house
                } else {
                    Work.Hidden.push_back(static_cast<int16_t>(at));
                }
            }
        }
    }
    if (!(masks & PlacedFlag) && IsSingle(left)) {
        Work.Queue.push_back(static_cast<int16_t>(Unknown));
    }
}

bool TSinglesEngine::Load(const std::vector<uint8_t>& Digits, TWork& Work) const
{
    if (static_cast<int>(Digits.size()) != FPuzzleCount * 81) {
        throw Exception("Singles engine: wrong number of digits");
    }
    Work.Masks.assign(FUnknownCount, AllDigits);
    const size_t houses = FHouses.size() / 9;
    Work.Counts.assign(houses * 10, 9);
    Work.Clear();
    Work.Queue.reserve(FUnknownCount);
    for (size_t cell = 0; cell < Digits.size(); ++cell) {
        const int digit = Digits[cell];
        if (digit > 9) {
            throw Exception("Singles engine: digit out of range");
        }
        if (digit != 0) {
            const int unknown = FUnknownOfCell[cell];
            const uint16_t bit = static_cast<uint16_t>(1u << digit);
            if (!(Work.Masks[unknown] & bit)) {
                Work.Clear();
                return false;  // linked cells given different digits
            }
            Narrow(Work, unknown, bit);
        }
    }
    return true;
}

bool TSinglesEngine::PropagateSingles(TWork& Work) const
{
    while (!Work.Failed) {
        if (!Work.Queue.empty()) {
            // Naked single: the digit leaves every peer.
            const int unknown = Work.Queue.back();
            Work.Queue.pop_back();
            const uint16_t mask = Work.Masks[unknown];
            if (mask & PlacedFlag) {
                continue;
            }
            Work.Masks[unknown] = static_cast<uint16_t>(mask | PlacedFlag);
            for (int k = FPeerStart[unknown]; k < FPeerStart[unknown + 1] && !Work.Failed; ++k) {
                const int peer = FPeers[k];
                const uint16_t peerMask = Work.Masks[peer];
                if (peerMask & mask) {
                    if ((peerMask & AllDigits) == mask) {
                        Work.Failed = true;  // the same digit twice in a house
                    } else {
                        Narrow(Work, peer, static_cast<uint16_t>(~mask));
                    }
                }
            }
        } else if (!Work.Hidden.empty()) {
            // Hidden single: the one place left for a digit in a house.
            const int at = Work.Hidden.back();
            Work.Hidden.pop_back();
            if (Work.Counts[at] != 1) {
                continue;
            }
            const int16_t* unknowns = &FHouses[static_cast<size_t>(at / 10) * 9];
            const uint16_t bit = static_cast<uint16_t>(1u << (at % 10));
            for (int j = 0; j < 9; ++j) {
                if (Work.Masks[unknowns[j]] & bit) {
                    Narrow(Work, unknowns[j], bit);
                    break;
                }
            }
        } else {
            return true;
        }
    }
    Work.Clear();
    return false;
}

int TSinglesEngine::PairSweep(TWork& Work) const
{
    bool changed = false;
    auto narrow = [&](int Unknown, uint16_t Keep) {
        if (Work.Masks[Unknown] & ~Keep & AllDigits) {
            Narrow(Work, Unknown, Keep);
            changed = true;
        }
    };
    for (size_t house = 0; house < FHouses.size() / 9 && !Work.Failed; ++house) {
        const int16_t* unknowns = &FHouses[house * 9];
        uint16_t masks[9];
        uint16_t places[10] = {};
        bool open = false;
        for (int j = 0; j < 9; ++j) {
            const uint16_t mask = Work.Masks[unknowns[j]];
            masks[j] = (mask & PlacedFlag) ? 0 : static_cast<uint16_t>(mask & AllDigits);
            open = open || masks[j] != 0;
            for (uint32_t digits = masks[j]; digits != 0; digits &= digits - 1) {
                places[std::countr_zero(digits)] |= static_cast<uint16_t>(1u << j);
            }
        }
        if (!open) {
            continue;
        }
        // Locked pair: two open cells with the same two candidates; the
        // other cells of the house lose both.
        for (int a = 0; a < 9; ++a) {
            if (std::popcount(static_cast<unsigned>(masks[a])) != 2) {
                continue;
            }
            for (int b = a + 1; b < 9; ++b) {
                if (masks[b] != masks[a]) {
                    continue;
                }
                for (int c = 0; c < 9; ++c) {
                    if (c != a && c != b && masks[c] != 0) {
                        narrow(unknowns[c], static_cast<uint16_t>(~masks[a]));
                    }
                }
            }
        }
        if (Work.Rules < 2) {
            continue;
        }
        // Hidden locked pair: two digits with the same two open places; those
        // cells keep only them.
        for (int a = 1; a <= 9; ++a) {
            if (std::popcount(static_cast<unsigned>(places[a])) != 2) {
                continue;
            }
            for (int b = a + 1; b <= 9; ++b) {
                if (places[b] != places[a]) {
                    continue;
                }
                const uint16_t pair = static_cast<uint16_t>((1u << a) | (1u << b));
                for (uint32_t at = places[a]; at != 0; at &= at - 1) {
                    narrow(unknowns[std::countr_zero(at)], pair);
                }
            }
        }
    }
    if (Work.Failed) {
        return -1;
    }
    return changed ? 1 : 0;
}

bool TSinglesEngine::Propagate(TWork& Work) const
{
    for (;;) {
        if (!PropagateSingles(Work)) {
            return false;
        }
        if (Work.Rules == 0) {
            return true;
        }
        const int swept = PairSweep(Work);
        if (swept < 0) {
            Work.Clear();
            return false;
        }
        if (swept == 0) {
            return true;
        }
    }
}

bool TSinglesEngine::SinglesFinish(const std::vector<uint8_t>& Digits) const
{
    return Examine(Digits, nullptr, {}, 0, 0) == evFinished;
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
    Work.Save(Work.Saved[Depth]);
    for (uint16_t options = Work.Masks[best]; options != 0 && Nodes >= 0; options &= options - 1) {
        Narrow(Work, best, static_cast<uint16_t>(options & -options));
        if (Search(Work, Nodes, Depth + 1)) {
            return true;
        }
        Work.Restore(Work.Saved[Depth]);
    }
    return false;
}

TSinglesEngine::TVerdict TSinglesEngine::Examine(const std::vector<uint8_t>& Digits,
                                                 const std::vector<uint8_t>* Solution, const std::vector<int>& Removed,
                                                 int64_t MaxNodes, int Rules) const
{
    if (Solution && Solution->size() != Digits.size()) {
        throw Exception("Singles engine: wrong number of digits");
    }
    auto finished = [](const TWork& Work) {
        return std::all_of(Work.Masks.begin(), Work.Masks.end(),
                           [](uint16_t Mask) { return (Mask & PlacedFlag) != 0; });
    };
    // Singles first; then the search for a second solution, which settles
    // most removals the singles leave open; the pair rules, which cost a
    // sweep of every house, only for what is left.
    TWork& work = Work();
    work.Rules = 0;
    if (!Load(Digits, work) || !Propagate(work)) {
        work.Clear();
        return evNoSolution;
    }
    if (finished(work)) {
        return evFinished;
    }
    work.Save(work.Base);
    if (Solution) {
        for (int cell : Removed) {
            if (cell < 0 || cell >= static_cast<int>(Digits.size()) || (*Solution)[cell] < 1 || (*Solution)[cell] > 9) {
                throw Exception("Singles engine: removed cell out of range");
            }
            const int unknown = FUnknownOfCell[cell];
            if (work.Base.Masks[unknown] & PlacedFlag) {
                continue;  // singles decide it: Solution's digit
            }
            work.Restore(work.Base);
            Narrow(work, unknown, static_cast<uint16_t>(AllDigits & ~(1u << (*Solution)[cell])));
            int64_t nodes = MaxNodes;
            const bool found = Search(work, nodes, 0);
            work.Clear();
            if (found) {
                return evSecond;
            }
        }
    }
    if (Rules > 0) {
        work.Restore(work.Base);
        work.Rules = Rules;
        const bool consistent = Propagate(work);
        work.Clear();
        work.Rules = 0;
        if (!consistent) {
            return evNoSolution;
        }
        if (finished(work)) {
            return evFinished;
        }
    }
    return evOpen;
}
