#include "Generator.h"

#include "ExactSolver.h"
#include "Exception.h"
#include "Format.h"
#include "PyramidLinks.h"

#include <random>

namespace {

using TEngine = std::mt19937_64;

// Search steps the exact solver may take to refuse a removal before the
// methods decide.
constexpr int64_t PrefilterSteps = 2000;

// Orders of removal a puzzle tries to need its grade's methods alone.
constexpr int PuzzleTries = 16;

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

// The groups of cells of one puzzle whose givens come and go together.
std::vector<std::vector<int>> CellGroups(TSymmetry Symmetry)
{
    std::vector<std::vector<int>> groups;
    for (int cell = 0; cell < 81; ++cell) {
        if (Symmetry == symRotate) {
            if (cell <= 80 - cell) {
                groups.push_back(cell == 40 ? std::vector<int>{40} : std::vector<int>{cell, 80 - cell});
            }
        } else {
            groups.push_back({cell});
        }
    }
    return groups;
}

// The puzzles that own givens: a linked parent only mirrors its children.
std::vector<int> OwningPuzzles(uint8_t LayoutType, int PuzzleCount)
{
    std::vector<int> puzzles;
    for (int p = LayoutHasLinks(LayoutType) ? 1 : 0; p < PuzzleCount; ++p) {
        puzzles.push_back(p);
    }
    return puzzles;
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

// Removes givens of one puzzle, group by group in the order given, as long
// as the puzzle alone stays solvable at Level.
void MinimiseAlone(const TGridDigits& Solution, TGridDigits& Flags, TMethodLevel Level,
                   const std::vector<std::vector<int>>& Groups)
{
    for (const auto& group : Groups) {
        bool given = false;
        for (int cell : group) {
            given = given || Flags[cell] != 0;
        }
        if (!given) {
            continue;
        }
        TGridDigits trial = Flags;
        for (int cell : group) {
            trial[cell] = 0;
        }
        if (PuzzleSolvesAlone(Solution, trial, Level)) {
            Flags = trial;
        }
    }
}

// The groups of a puzzle in a random order, split into those without a
// linked cell and those with one.
void SplitGroups(TSymmetry Symmetry, const std::vector<int>& LinkedCells, TEngine& Engine,
                 std::vector<std::vector<int>>& Free, std::vector<std::vector<int>>& Linked)
{
    auto groups = CellGroups(Symmetry);
    Shuffle(groups, Engine);
    std::vector<bool> linked(81, false);
    for (int cell : LinkedCells) {
        linked[cell] = true;
    }
    Free.clear();
    Linked.clear();
    for (auto& group : groups) {
        bool touches = false;
        for (int cell : group) {
            touches = touches || linked[cell];
        }
        (touches ? Linked : Free).push_back(std::move(group));
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

// Removes givens of the owning puzzles while the whole pyramid stays unique
// and SolvePyramid at Level finishes it. The exact solver goes first: a
// removal that opens a second solution is refused without running the
// methods, which could not finish such a pyramid anyway. The methods make
// sound deductions only, so a pyramid they finish has one solution; the
// final check of the exact solver confirms it for the result.
void MinimisePyramid(const TPyramidSolution& Solution, TPyramidGivens& Givens, TMethodLevel Level,
                     TSymmetry Symmetry, const TExactSolver& Exact, TEngine& Engine)
{
    const uint8_t layout = Solution.LayoutType;
    std::vector<std::pair<int, std::vector<int>>> groups;
    for (int p : OwningPuzzles(layout, static_cast<int>(Solution.Puzzles.size()))) {
        for (auto& group : CellGroups(Symmetry)) {
            groups.emplace_back(p, std::move(group));
        }
    }
    Shuffle(groups, Engine);
    for (const auto& [puzzle, cells] : groups) {
        bool given = false;
        for (int cell : cells) {
            given = given || Givens[puzzle][cell] != 0;
        }
        if (!given) {
            continue;
        }
        TPyramidGivens trial = Givens;
        for (int cell : cells) {
            trial[puzzle][cell] = 0;
        }
        MirrorParent(layout, trial);
        // An undecided count (-1, the search ran out of steps) leaves the
        // decision to the methods, whose finishing proves uniqueness.
        const int solutions = Exact.CountSolutions(GivenDigits(Solution, trial), 2, nullptr, PrefilterSteps);
        if (solutions != 2 && PyramidSolves(Solution, trial, Level)) {
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
        throw Exception(Format("Layout %d has no links: no %s puzzles", layout, GradeName(wanted).c_str()));
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
    const int attempts = Options.MaxAttempts > 0 ? Options.MaxAttempts : 1;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        TGeneratedPyramid result;
        result.Attempts = attempt;
        result.Solution = MakePyramidSolution(layout, engine());
        const int puzzleCount = static_cast<int>(result.Solution.Puzzles.size());
        TGridDigits all{};
        all.fill(1);
        result.Givens.assign(puzzleCount, all);
        // A grade above singles needs one puzzle that the grade's
        // methods finish alone even with everything its links could carry.
        // Its cells without a partner are thinned first with the linked cells
        // kept given; if it then needs the grade's methods, it stays hard
        // whatever the linked cells do afterwards. Puzzles try a few orders
        // until one such puzzle is found.
        bool hardFound = wanted.Level == mlSingles;
        for (int p : OwningPuzzles(layout, puzzleCount)) {
            const TGridDigits& digits = result.Solution.Puzzles[p];
            const int tries = hardFound ? 1 : PuzzleTries;
            std::vector<std::vector<int>> free;
            std::vector<std::vector<int>> linked;
            for (int t = 0; t < tries; ++t) {
                SplitGroups(Options.Symmetry, linkedCells[p], engine, free, linked);
                result.Givens[p] = all;
                MinimiseAlone(digits, result.Givens[p], wanted.Level, free);
                if (!hardFound) {
                    if (PuzzleSolvesAlone(digits, result.Givens[p], static_cast<TMethodLevel>(wanted.Level - 1))) {
                        continue;
                    }
                    hardFound = true;
                }
                MinimiseAlone(digits, result.Givens[p], wanted.Level, linked);
                break;
            }
            if (!hardFound) {
                // This puzzle did not come out hard; keep it minimal anyway.
                MinimiseAlone(digits, result.Givens[p], wanted.Level, linked);
            }
        }
        MirrorParent(layout, result.Givens);
        if (wanted.Pyramid) {
            MinimisePyramid(result.Solution, result.Givens, wanted.Level, Options.Symmetry, exact, engine);
        }
        ApplyGivenLinkRule(layout, result.Givens);
        result.Report = GradePyramid(result.Solution, result.Givens);
        if (!result.Report.Solvable || !(result.Report.Grade == wanted)) {
            continue;
        }
        std::vector<uint8_t> found;
        const std::vector<uint8_t> givens = GivenDigits(result.Solution, result.Givens);
        if (!exact.IsUnique(givens, &found) || found != GivenDigits(result.Solution, TPyramidGivens(puzzleCount, all))) {
            throw Exception(Format("Generator: layout %d seed %llu gave a pyramid without a unique solution", layout,
                                   static_cast<unsigned long long>(Options.Seed)));
        }
        return result;
    }
    throw Exception(Format("Generator: no %s puzzle for layout %d within %d attempts (seed %llu)",
                           GradeName(wanted).c_str(), layout, attempts,
                           static_cast<unsigned long long>(Options.Seed)));
}
