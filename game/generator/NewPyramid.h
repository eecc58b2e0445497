#pragma once
// New pyramids made in the game at the grade the player asks for: which
// layouts and grades can be asked for, the pyramid made for a request (the
// generator's own verification: one solution, the grade's hardest method
// needed, the links needed for the linked grades) and the game record it
// is kept under. Plain C++; the window runs MakeNewPyramid on a worker
// thread, so it touches nothing shared but the program's random generator,
// which holds a lock.

#include "Generator.h"
#include "PuzzleInfo.h"

#include <atomic>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

constexpr int LayoutTypeCount = 14;
// A request for whichever layout allows the grade.
constexpr int AnyLayout = -1;

// The layout's name for a player ("Centres", ..., "Columns to rows"), the
// source text for translation; "Any layout" for AnyLayout.
const char* LayoutDisplayName(int Layout);
// The grade's name for a player: "Singles", "Locked Pairs", "Hidden Locked
// Pairs", and for the grades that need the links "Linked Singles" and so on.
const char* GradeDisplayName(const TGrade& Grade);

// The grades a layout allows, easiest first, the linked ones only where the
// layout has links; AnyLayout allows all six.
std::vector<TGrade> GradesForLayout(int Layout);
// The layouts that allow Grade, in code order.
std::vector<uint8_t> LayoutsForGrade(const TGrade& Grade);

struct TNewPyramidRequest {
    int Layout = AnyLayout;  // a layout type, or AnyLayout
    TGrade Grade;
    uint64_t Seed = 1;
};

struct TNewPyramid {
    uint8_t LayoutType = 0;
    TGrade Grade;
    int GivenCount = 0;
    // The puzzle stream: every puzzle's solution digits and given flags.
    std::vector<uint8_t> Stream;
};

// Makes the pyramid; the same request makes the same pyramid. Raises
// Exception for a layout outside the codes or a grade the layout cannot
// have, and EGenerationCancelled once *Cancel reads true.
TNewPyramid MakeNewPyramid(const TNewPyramidRequest& Request, const std::atomic<bool>* Cancel = nullptr);

// "Centres, Locked Pairs, Dec09 14:05": layout, grade and when it was made,
// at most 64 characters.
std::string NewPyramidName(uint8_t LayoutType, const TGrade& Grade, const std::tm& When);

// The game record of a made pyramid: the defaults of an ordinary on-screen
// game (play mode, aids and pencil settings), the layout, Name, a
// description of the grade and givens, the plain stream kind. The game and
// issue numbers are given when the game is kept.
TPuzzleInfo NewPyramidRecord(const TNewPyramid& Pyramid, const std::string& Name);
