#pragma once
// The pyramid puzzle generator: from a consistent solution of any layout it
// chooses the givens of the parent and every child so that the pyramid has
// exactly one solution and the game's "Solve Tavrel" (five methods, linked
// automatic candidates) finishes every puzzle from the givens alone, then
// takes givens away as long as that stays true.
//
// A requested grade is met exactly: the methods are limited to the grade's
// level while givens are removed, and a result that turns out easier (or,
// for the plain grades, needs the links) is thrown away and made again from
// the next solution, up to MaxAttempts times.
//
// Plain grades keep every puzzle solvable on its own: each puzzle that holds
// givens (the children of a linked layout, every puzzle of an unlinked one;
// a linked parent cell is given exactly when its child partner is) is made
// minimal alone. Pyramid grades go on from there and remove givens of the
// whole pyramid while SolvePyramid still finishes it, which leaves children
// that need what the links carry.
//
// The result depends only on the options: the generator draws from its own
// engine seeded with Seed and never from the program's random generator.

#include "Exception.h"
#include "Grader.h"
#include "PuzzleStreamWriter.h"
#include "SolutionMaker.h"

#include <atomic>
#include <cstdint>

enum TSymmetry : int {
    symNone = 0,
    // Givens come and go with the cell opposite through the centre of each
    // puzzle and with their link partners, so every puzzle, the parent
    // included, shows a pattern symmetric through its centre.
    symRotate = 1,
};

struct TGeneratorOptions {
    uint8_t LayoutType = 0;
    TGrade Grade;
    TSymmetry Symmetry = symNone;
    uint64_t Seed = 1;
    int MaxAttempts = 40;
    // The publisher's tools seed the program's random generator so that a
    // seed writes the same issue files, and every check of a whole pyramid
    // by the game's methods draws from it (the game record the pyramid is
    // loaded under). While set, the generator makes exactly the checks, and
    // so the draws, it always made; cleared (as the game does, whose
    // generator is seeded from the system), removals that open a second
    // solution are found by a quicker search and draw nothing. The pyramid
    // made is the same either way.
    bool KeepRandomDraws = true;
    // When set, the generator looks at it between its steps and gives up
    // with EGenerationCancelled once it reads true. It never changes what a
    // run that goes to its end makes.
    const std::atomic<bool>* Cancel = nullptr;
};

// Raised by GeneratePyramid when its Cancel flag was set.
class EGenerationCancelled : public Exception {
public:
    EGenerationCancelled() : Exception(TR_TEXT("Generator", "Making the pyramid was cancelled")) {}
};

struct TGeneratedPyramid {
    TPyramidSolution Solution;
    TPyramidGivens Givens;  // after the link rule
    TGradeReport Report;    // Report.Grade equals the requested grade
    int Attempts = 0;       // solutions tried
};

// Raises Exception when the grade cannot exist for the layout (a pyramid
// grade without links) or was not met within MaxAttempts, and when a result
// fails the final uniqueness check of the exact solver (a fault of the
// methods, never expected).
TGeneratedPyramid GeneratePyramid(const TGeneratorOptions& Options);

// Whether a grade can be asked for on a layout: pyramid grades need links.
bool GradeFitsLayout(const TGrade& Grade, uint8_t LayoutType);
