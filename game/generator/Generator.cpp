#include "Generator.h"

#include "ExactSolver.h"
#include "Exception.h"
#include "PyramidLinks.h"
#include "SinglesEngine.h"

#include <algorithm>
#include <random>

namespace {

using TEngine = std::mt19937_64;

// Search steps the exact solver may take to refuse a removal before the
// methods decide.
constexpr int64_t PrefilterSteps = 2000;

// Orders of removal tried to find a puzzle that needs the grade's methods.
constexpr int HardTries = 16;

void CheckCancel(const std::atomic<bool>* Cancel)
{
    if (Cancel != nullptr && Cancel->load(std::memory_order_relaxed)) {
        throw EGenerationCancelled();
    }
}

// A cell of the pyramid: puzzle index and cell index.
struct TPlace {
    int Puzzle;
    int Cell;
};
// Places whose givens come and go together.
using TGroup = std::vector<TPlace>;

// Fisher-Yates with the engine's raw output, so that the order is the same
// with every standard library (std::shuffle's is not specified).
template <typename T>
void Shuffle(std::vector<T>& Items, TEngine& Engine)
{
    for (size_t i = Items.size(); i > 1; --i) {
        const size_t j = static_cast<size_t>(Engine() % i);
        std::swap(Items[i - 1], Items[j]);
    }
}

// The puzzles that own givens: a linked parent only mirrors its children.
bool OwnsGivens(uint8_t LayoutType, int Puzzle)
{
    return Puzzle > 0 || !LayoutHasLinks(LayoutType);
}

// The groups of owning places, in index order. Without symmetry each place
// is its own group. Under rotation a place goes with its opposite through
// the centre of its puzzle and with its link partner, and so on until the
// group is closed, so that every puzzle, the parent included, shows a
// symmetric pattern.
std::vector<TGroup> PyramidGroups(uint8_t LayoutType, int PuzzleCount, TSymmetry Symmetry)
{
    const int places = PuzzleCount * 81;
    std::vector<int> root(places);
    for (int i = 0; i < places; ++i) {
        root[i] = i;
    }
    auto find = [&](int Place) {
        while (root[Place] != Place) {
            root[Place] = root[root[Place]];
            Place = root[Place];
        }
        return Place;
    };
    auto join = [&](int A, int B) {
        A = find(A);
        B = find(B);
        if (A != B) {
            root[std::max(A, B)] = std::min(A, B);
        }
    };
    if (Symmetry == symRotate) {
        for (int p = 0; p < PuzzleCount; ++p) {
            for (int cell = 0; cell < 81; ++cell) {
                join(p * 81 + cell, p * 81 + 80 - cell);
            }
        }
        for (const TPyramidLink& link : PyramidLinks(LayoutType)) {
            join(link.ParentIndex(), link.Child * 81 + link.ChildIndex());
        }
    }
    std::vector<int> groupOfRoot(places, -1);
    std::vector<TGroup> groups;
    for (int place = 0; place < places; ++place) {
        if (!OwnsGivens(LayoutType, place / 81)) {
            continue;
        }
        int& group = groupOfRoot[find(place)];
        if (group < 0) {
            group = static_cast<int>(groups.size());
            groups.emplace_back();
        }
        groups[group].push_back({place / 81, place % 81});
    }
    return groups;
}

// The parent flags of a linked layout, copied from the child partners.
void MirrorParent(uint8_t LayoutType, TPyramidGivens& Givens)
{
    if (!LayoutHasLinks(LayoutType)) {
        return;
    }
    for (const TPyramidLink& link : PyramidLinks(LayoutType)) {
        Givens[0][link.ParentIndex()] = Givens[link.Child][link.ChildIndex()];
    }
}

bool AnyGiven(const TPyramidGivens& Givens, const TGroup& Group)
{
    for (const TPlace& place : Group) {
        if (Givens[place.Puzzle][place.Cell] != 0) {
            return true;
        }
    }
    return false;
}

// PuzzleSolvesAlone for Flags, which lack the given cells Removed of the
// current givens. The singles closure decides where it can; then a second
// solution through one of the removed cells is refused without the methods,
// which could not finish such a puzzle anyway. The current givens have one
// solution, so any other differs from it in a removed cell.
bool SolvesAloneAfterRemoval(const TGridDigits& Solution, const TGridDigits& Flags, const std::vector<int>& Removed,
                             TMethodLevel Level)
{
    std::vector<uint8_t> digits(81);
    for (int cell = 0; cell < 81; ++cell) {
        digits[cell] = Flags[cell] ? Solution[cell] : 0;
    }
    const std::vector<uint8_t> full(Solution.begin(), Solution.end());
    switch (TSinglesEngine::Single().Examine(digits, Level == mlSingles ? nullptr : &full, Removed, PrefilterSteps,
                                             Level)) {
    case TSinglesEngine::evFinished: return true;
    case TSinglesEngine::evSecond:
    case TSinglesEngine::evNoSolution: return false;
    case TSinglesEngine::evOpen: break;
    }
    return Level != mlSingles && PuzzleSolvesAloneByMethods(Solution, Flags, Level);
}

// Removes givens group by group, in the order given, as long as every puzzle
// the group touches stays solvable on its own at Level.
void MinimiseAlone(const TPyramidSolution& Solution, TPyramidGivens& Givens, TMethodLevel Level,
                   const std::vector<TGroup>& Groups, const std::atomic<bool>* Cancel)
{
    for (const TGroup& group : Groups) {
        CheckCancel(Cancel);
        if (!AnyGiven(Givens, group)) {
            continue;
        }
        std::vector<int> touched;
        for (const TPlace& place : group) {
            if (std::find(touched.begin(), touched.end(), place.Puzzle) == touched.end()) {
                touched.push_back(place.Puzzle);
            }
        }
        std::vector<TGridDigits> trial;
        bool solvable = true;
        for (int puzzle : touched) {
            TGridDigits flags = Givens[puzzle];
            std::vector<int> removed;
            for (const TPlace& place : group) {
                if (place.Puzzle == puzzle && flags[place.Cell] != 0) {
                    flags[place.Cell] = 0;
                    removed.push_back(place.Cell);
                }
            }
            solvable = solvable && SolvesAloneAfterRemoval(Solution.Puzzles[puzzle], flags, removed, Level);
            trial.push_back(flags);
            if (!solvable) {
                break;
            }
        }
        if (solvable) {
            for (size_t k = 0; k < touched.size(); ++k) {
                Givens[touched[k]] = trial[k];
            }
        }
    }
}

std::vector<uint8_t> GivenDigits(const TPyramidSolution& Solution, const TPyramidGivens& Givens)
{
    std::vector<uint8_t> digits;
    digits.reserve(Solution.Puzzles.size() * 81);
    for (size_t p = 0; p < Solution.Puzzles.size(); ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            digits.push_back(Givens[p][cell] ? Solution.Puzzles[p][cell] : 0);
        }
    }
    return digits;
}

// Removes givens group by group while the whole pyramid stays unique and
// SolvePyramid at Level finishes it. The singles closure answers first where
// it decides; then a removal that opens a second solution is refused without
// running the methods, which could not finish such a pyramid anyway. The
// methods make sound deductions only, so a pyramid they finish has one
// solution; the final check of the exact solver confirms it for the result.
void MinimisePyramid(const TPyramidSolution& Solution, TPyramidGivens& Givens, TMethodLevel Level,
                     const std::vector<TGroup>& Groups, const TExactSolver& Exact, bool KeepDraws,
                     const std::atomic<bool>* Cancel)
{
    const TSinglesEngine* engine = TSinglesEngine::ForLayout(Solution.LayoutType);
    std::vector<uint8_t> full;
    for (const TGridDigits& puzzle : Solution.Puzzles) {
        full.insert(full.end(), puzzle.begin(), puzzle.end());
    }
    for (const TGroup& group : Groups) {
        CheckCancel(Cancel);
        if (!AnyGiven(Givens, group)) {
            continue;
        }
        TPyramidGivens trial = Givens;
        std::vector<int> removed;
        for (const TPlace& place : group) {
            if (trial[place.Puzzle][place.Cell] != 0) {
                trial[place.Puzzle][place.Cell] = 0;
                removed.push_back(place.Puzzle * 81 + place.Cell);
            }
        }
        MirrorParent(Solution.LayoutType, trial);
        if (KeepDraws) {
            // Each count that is not two leads to one check of the whole
            // pyramid, and so to its draws. An undecided count (-1, the
            // search ran out of steps) leaves the decision to the methods.
            const int solutions = Exact.CountSolutions(GivenDigits(Solution, trial), 2, nullptr, PrefilterSteps);
            if (solutions != 2 && PyramidSolves(Solution, trial, Level)) {
                Givens = std::move(trial);
            }
            continue;
        }
        // An undecided search (it ran out of steps) leaves the decision to
        // the methods, whose finishing proves uniqueness.
        const auto verdict = engine->Examine(GivenDigits(Solution, trial), Level == mlSingles ? nullptr : &full,
                                             removed, PrefilterSteps, Level);
        const bool solves =
            verdict == TSinglesEngine::evFinished ||
            (verdict == TSinglesEngine::evOpen && Level != mlSingles && PyramidSolvesByMethods(Solution, trial, Level));
        if (solves) {
            Givens = std::move(trial);
        }
    }
}

}  // namespace

bool GradeFitsLayout(const TGrade& Grade, uint8_t LayoutType)
{
    return !Grade.Pyramid || LayoutHasLinks(LayoutType);
}

TGeneratedPyramid GeneratePyramid(const TGeneratorOptions& Options)
{
    const uint8_t layout = Options.LayoutType;
    const TGrade wanted = Options.Grade;
    if (!GradeFitsLayout(wanted, layout)) {
        throw Exception(TR_TEXT("Generator", "Layout %1 has no links: no %2 puzzles"), layout, GradeName(wanted));
    }
    TEngine engine(Options.Seed);
    const TExactSolver exact(1 + PyramidChildCount(layout), [&] {
        std::vector<TCellLink> links;
        for (const TPyramidLink& link : PyramidLinks(layout)) {
            links.push_back({link.ParentIndex(), link.Child, link.ChildIndex()});
        }
        return links;
    }());
    // The cells of each puzzle that have a partner.
    std::vector<std::vector<int>> linkedCells(1 + PyramidChildCount(layout));
    for (const TPyramidLink& link : PyramidLinks(layout)) {
        linkedCells[0].push_back(link.ParentIndex());
        linkedCells[link.Child].push_back(link.ChildIndex());
    }
    const int puzzleCount = 1 + PyramidChildCount(layout);
    const std::vector<TGroup> groups = PyramidGroups(layout, puzzleCount, Options.Symmetry);
    const int attempts = Options.MaxAttempts > 0 ? Options.MaxAttempts : 1;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        CheckCancel(Options.Cancel);
        TGeneratedPyramid result;
        result.Attempts = attempt;
        result.Solution = MakePyramidSolution(layout, engine());
        TGridDigits all{};
        all.fill(1);

        // First every puzzle is made minimal on its own. A grade above
        // singles needs a puzzle that the grade's methods alone finish even
        // with everything its links could carry: the groups without linked
        // cells are thinned first, with the linked cells kept given; a
        // puzzle that then needs the grade's methods stays hard whatever the
        // linked cells do afterwards. Orders are tried until one is found.
        const bool needHard = wanted.Level > mlSingles;
        std::vector<TGroup> free;
        std::vector<TGroup> linked;
        for (int t = 0; t < (needHard ? HardTries : 1); ++t) {
            std::vector<TGroup> order = groups;
            Shuffle(order, engine);
            free.clear();
            linked.clear();
            for (TGroup& group : order) {
                bool touches = false;
                for (const TPlace& place : group) {
                    touches = touches || std::find(linkedCells[place.Puzzle].begin(), linkedCells[place.Puzzle].end(),
                                                   place.Cell) != linkedCells[place.Puzzle].end();
                }
                (touches ? linked : free).push_back(std::move(group));
            }
            result.Givens.assign(puzzleCount, all);
            MinimiseAlone(result.Solution, result.Givens, wanted.Level, free, Options.Cancel);
            bool hard = !needHard;
            for (int p = 0; p < puzzleCount && !hard; ++p) {
                if (!OwnsGivens(layout, p)) {
                    continue;
                }
                TGridDigits helped = result.Givens[p];
                for (int cell : linkedCells[p]) {
                    helped[cell] = 1;
                }
                hard =
                    !PuzzleSolvesAlone(result.Solution.Puzzles[p], helped, static_cast<TMethodLevel>(wanted.Level - 1));
            }
            if (hard) {
                break;
            }
        }
        MinimiseAlone(result.Solution, result.Givens, wanted.Level, linked, Options.Cancel);
        MirrorParent(layout, result.Givens);
        if (wanted.Pyramid) {
            std::vector<TGroup> order = groups;
            Shuffle(order, engine);
            MinimisePyramid(result.Solution, result.Givens, wanted.Level, order, exact, Options.KeepRandomDraws,
                            Options.Cancel);
        }
        ApplyGivenLinkRule(layout, result.Givens);
        result.Report = GradePyramid(result.Solution, result.Givens);
        if (!result.Report.Solvable || !(result.Report.Grade == wanted)) {
            continue;
        }
        std::vector<uint8_t> found;
        const std::vector<uint8_t> givens = GivenDigits(result.Solution, result.Givens);
        if (!exact.IsUnique(givens, &found) ||
            found != GivenDigits(result.Solution, TPyramidGivens(puzzleCount, all))) {
            throw Exception(
                TR_TEXT("Generator", "Generator: layout %1 seed %2 gave a pyramid without a unique solution"), layout,
                static_cast<unsigned long long>(Options.Seed));
        }
        return result;
    }
    throw Exception(TR_TEXT("Generator", "Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)"),
                    GradeName(wanted), layout, attempts, static_cast<unsigned long long>(Options.Seed));
}
