#include "Grader.h"

#include "Format.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleInfo.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"
#include "SinglesEngine.h"

#include <span>

namespace {

const char* const LevelNames[MethodLevelCount] = {"Singles", "Locked Pairs", "Hidden Locked Pairs"};
const char* const LevelKeywords[MethodLevelCount] = {"singles", "pairs", "hidden"};

// The highest method number that a level switches on.
int LastMethodOf(TMethodLevel Level)
{
    switch (Level) {
    case mlSingles: return smSequence;
    case mlLockedPairs: return smLockedPairs;
    case mlHiddenPairs: return smHiddenPairs;
    }
    return smSequence;
}

bool PuzzleHoldsSolution(const TPuzzle& Puzzle)
{
    for (int index = 0; index < 81; ++index) {
        const TCell* cell = Puzzle.CellByIndex(index);
        if (cell->GetValue() == 0 || cell->GetValue() != cell->GetSolution()) {
            return false;
        }
    }
    return true;
}

// Every row, column and box holds 1 to 9 once.
bool GridValid(const TGridDigits& Grid)
{
    uint16_t rows[9] = {};
    uint16_t cols[9] = {};
    uint16_t boxes[9] = {};
    for (int cell = 0; cell < 81; ++cell) {
        if (Grid[cell] < 1 || Grid[cell] > 9) {
            return false;
        }
        const uint16_t bit = static_cast<uint16_t>(1u << Grid[cell]);
        const int row = cell / 9;
        const int col = cell % 9;
        const int box = 3 * (row / 3) + col / 3;
        if ((rows[row] | cols[col] | boxes[box]) & bit) {
            return false;
        }
        rows[row] |= bit;
        cols[col] |= bit;
        boxes[box] |= bit;
    }
    return true;
}

}  // namespace

std::string GradeName(const TGrade& Grade)
{
    const std::string level = LevelNames[Grade.Level];
    return Grade.Pyramid ? "Pyramid, " + level : level;
}

std::string GradeKeyword(const TGrade& Grade)
{
    if (!Grade.Pyramid) {
        return LevelKeywords[Grade.Level];
    }
    return Grade.Level == mlSingles ? "pyramid" : std::string("pyramid-") + LevelKeywords[Grade.Level];
}

bool ParseGrade(const std::string& Text, TGrade& Grade)
{
    for (int level = 0; level < MethodLevelCount; ++level) {
        for (bool pyramid : {false, true}) {
            const TGrade candidate{static_cast<TMethodLevel>(level), pyramid};
            if (Text == GradeKeyword(candidate)) {
                Grade = candidate;
                return true;
            }
        }
    }
    return false;
}

TMethodSet LevelMethods(TMethodLevel Level)
{
    return TMethodSet::UpTo(LastMethodOf(Level));
}

bool PyramidStreamSolves(uint8_t LayoutType, const std::vector<uint8_t>& Stream, TMethodLevel Level)
{
    TPuzzleXLink pyramid(LayoutType, nullptr, 1, 1);
    TMemoryStream input(Stream);
    pyramid.LoadFromStream(input);
    pyramid.SetPencilMode(msAutoPencilLinked);
    pyramid.SolvePyramid(LevelMethods(Level));
    for (int index = 0; index <= pyramid.ChildCount(); ++index) {
        if (!PuzzleHoldsSolution(*pyramid.GetPuzzle(index))) {
            return false;
        }
    }
    return true;
}

bool PyramidSolvesByMethods(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level)
{
    return PyramidStreamSolves(Solution.LayoutType, MakePuzzleStream(Solution, Givens), Level);
}

int PyramidSolvesQuick(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level)
{
    const TSinglesEngine* engine = TSinglesEngine::ForLayout(Solution.LayoutType);
    if (engine == nullptr || Givens.size() != Solution.Puzzles.size() || !CheckPyramidSolution(Solution).empty()) {
        return -1;
    }
    // What the stream carries: a linked pair is given when either cell is.
    TPyramidGivens flags = Givens;
    ApplyGivenLinkRule(Solution.LayoutType, flags);
    std::vector<uint8_t> digits;
    digits.reserve(flags.size() * 81);
    for (size_t p = 0; p < flags.size(); ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            digits.push_back(flags[p][cell] ? Solution.Puzzles[p][cell] : 0);
        }
    }
    if (engine->Examine(digits, nullptr, {}, 0, Level) == TSinglesEngine::evFinished) {
        return 1;
    }
    return Level == mlSingles ? 0 : -1;
}

bool PyramidSolves(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level)
{
    const int quick = PyramidSolvesQuick(Solution, Givens, Level);
    if (quick < 0) {
        return PyramidSolvesByMethods(Solution, Givens, Level);
    }
    // The methods' pyramid carries a game record, whose filler comes from
    // the program's random generator. The publisher's tools seed it to write
    // the same files from the same seed, so a quick answer makes the same
    // draws.
    const TPuzzleInfo drawn;
    (void)drawn;
    return quick == 1;
}

int PuzzleSolvesAloneQuick(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level)
{
    if (!GridValid(Solution)) {
        return -1;
    }
    std::vector<uint8_t> digits(81);
    for (int cell = 0; cell < 81; ++cell) {
        digits[cell] = Givens[cell] ? Solution[cell] : 0;
    }
    if (TSinglesEngine::Single().Examine(digits, nullptr, {}, 0, Level) == TSinglesEngine::evFinished) {
        return 1;
    }
    return Level == mlSingles ? 0 : -1;
}

bool PuzzleSolvesAlone(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level)
{
    const int quick = PuzzleSolvesAloneQuick(Solution, Givens, Level);
    return quick >= 0 ? quick == 1 : PuzzleSolvesAloneByMethods(Solution, Givens, Level);
}

bool PuzzleSolvesAloneByMethods(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level)
{
    TPuzzle puzzle;
    puzzle.LoadPuzzle(std::span<const uint8_t, 81>(Solution), std::span<const uint8_t, 81>(Givens));
    puzzle.SetMarkStyle(msAutoPencilLinked, false);
    puzzle.Solve(LevelMethods(Level));
    return PuzzleHoldsSolution(puzzle);
}

int CountGivens(uint8_t LayoutType, const TPyramidGivens& Givens)
{
    TPyramidGivens spread = Givens;
    ApplyGivenLinkRule(LayoutType, spread);
    int count = 0;
    for (const TGridDigits& flags : spread) {
        for (uint8_t flag : flags) {
            count += flag != 0;
        }
    }
    // Each linked pair was counted in the parent and in the child.
    if (!spread.empty()) {
        for (const TPyramidLink& link : PyramidLinks(LayoutType)) {
            count -= spread[0][link.ParentIndex()] != 0;
        }
    }
    return count;
}

TGradeReport GradePyramid(const TPyramidSolution& Solution, const TPyramidGivens& Givens)
{
    TGradeReport report;
    TPyramidGivens spread = Givens;
    ApplyGivenLinkRule(Solution.LayoutType, spread);
    report.GivenCount = CountGivens(Solution.LayoutType, spread);
    for (int level = 0; level < MethodLevelCount && !report.Solvable; ++level) {
        if (PyramidSolves(Solution, spread, static_cast<TMethodLevel>(level))) {
            report.Solvable = true;
            report.Grade.Level = static_cast<TMethodLevel>(level);
        }
    }
    if (report.Solvable && LayoutHasLinks(Solution.LayoutType)) {
        for (size_t child = 1; child < Solution.Puzzles.size() && !report.Grade.Pyramid; ++child) {
            report.Grade.Pyramid = !PuzzleSolvesAlone(Solution.Puzzles[child], spread[child], report.Grade.Level);
        }
    }
    return report;
}

std::string DescribeGrade(const TGrade& Grade, int GivenCount)
{
    return Format("%s, %d givens", GradeName(Grade).c_str(), GivenCount);
}

bool GradeOfDescription(const std::string& Description, TGrade& Grade)
{
    static const std::string Givens = " givens";
    for (int level = 0; level < MethodLevelCount; ++level) {
        for (bool pyramid : {false, true}) {
            const TGrade candidate{static_cast<TMethodLevel>(level), pyramid};
            const std::string prefix = GradeName(candidate) + ", ";
            if (Description.size() <= prefix.size() + Givens.size() ||
                Description.compare(0, prefix.size(), prefix) != 0 ||
                Description.compare(Description.size() - Givens.size(), Givens.size(), Givens) != 0)
                continue;
            const size_t first = prefix.size();
            const size_t last = Description.size() - Givens.size();
            bool digits = true;
            for (size_t i = first; i < last; ++i)
                digits = digits && Description[i] >= '0' && Description[i] <= '9';
            if (digits) {
                Grade = candidate;
                return true;
            }
        }
    }
    return false;
}
