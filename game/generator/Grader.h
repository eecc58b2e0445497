#pragma once
// Grading of pyramids by what the game's own "Solve Tavrel" needs: the
// pyramid is loaded from its puzzle stream, every puzzle shows the linked
// automatic candidates (mark style 6) and SolvePyramid runs with only the
// methods up to a level switched on. The hardest level needed is the grade's
// method; a pyramid in which some puzzle cannot be finished from its own
// givens alone, without what the links carry, is of the "pyramid" kind.
//
// The checks hand each solve the methods of their level; the settings in
// force play no part in grading.

#include "MethodSet.h"
#include "PuzzleStreamWriter.h"
#include "SolutionMaker.h"

#include <cstdint>
#include <string>

// The method levels, each enabling the solving methods of the ones before.
enum TMethodLevel : int {
    mlSingles = 0,      // "Scanning", "Pinned", "Complete 1-9 sequence"
    mlLockedPairs = 1,  // and "Locked Pairs"
    mlHiddenPairs = 2,  // and "Hidden Locked Pairs"
};
constexpr int MethodLevelCount = 3;

struct TGrade {
    TMethodLevel Level = mlSingles;
    bool Pyramid = false;
    friend bool operator==(const TGrade&, const TGrade&) = default;
};

// "Singles", "Locked Pairs", "Hidden Locked Pairs"; the pyramid kind reads
// "Pyramid, Singles" and so on.
std::string GradeName(const TGrade& Grade);
// The command-line names: "singles", "pairs", "hidden", "pyramid" (a pyramid
// that singles finish), "pyramid-pairs", "pyramid-hidden". False for others.
bool ParseGrade(const std::string& Text, TGrade& Grade);
std::string GradeKeyword(const TGrade& Grade);

// The solving methods a level uses: those up to its last (XWings never, it
// has no step).
TMethodSet LevelMethods(TMethodLevel Level);

// Whether SolvePyramid with the methods up to Level fills every puzzle of the
// pyramid with its solution digits, starting from the givens alone.
//
// PyramidSolves and PuzzleSolvesAlone answer from the singles closure of
// TSinglesEngine where it decides (always at the singles level, when it
// finishes above it) and ask the game's methods only otherwise; the
// ...ByMethods forms always ask the methods. Both give the same answers and
// make the same draws from the program's random generator.
bool PyramidSolves(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level);
bool PyramidSolvesByMethods(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level);
// The same from a puzzle stream (as issue files carry it), by the methods.
bool PyramidStreamSolves(uint8_t LayoutType, const std::vector<uint8_t>& Stream, TMethodLevel Level);
// Whether one puzzle on its own (no links) is finished by Solve with the
// methods up to Level from the given cells of Givens (non-zero = given).
bool PuzzleSolvesAlone(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level);
bool PuzzleSolvesAloneByMethods(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level);

// The quick answers alone: 1 solves, 0 does not, -1 left to the methods
// (a solution that is not valid for its layout, or a level above singles
// that the closure does not finish).
int PyramidSolvesQuick(const TPyramidSolution& Solution, const TPyramidGivens& Givens, TMethodLevel Level);
int PuzzleSolvesAloneQuick(const TGridDigits& Solution, const TGridDigits& Givens, TMethodLevel Level);

// The distinct given cells of a pyramid: a linked pair counts once.
int CountGivens(uint8_t LayoutType, const TPyramidGivens& Givens);

struct TGradeReport {
    bool Solvable = false;  // SolvePyramid finishes it with all methods
    TGrade Grade;           // meaningful when Solvable
    int GivenCount = 0;
};

// Grades a pyramid: the lowest level at which SolvePyramid finishes it, and
// whether some puzzle then fails alone. The givens are taken after the link
// rule (ApplyGivenLinkRule).
TGradeReport GradePyramid(const TPyramidSolution& Solution, const TPyramidGivens& Givens);

// The game's description text: grade and given count, e.g.
// "Locked Pairs, 212 givens".
std::string DescribeGrade(const TGrade& Grade, int GivenCount);
// The grade a game's description names when it reads as DescribeGrade
// writes it; false for any other description (a publisher's own words).
bool GradeOfDescription(const std::string& Description, TGrade& Grade);
