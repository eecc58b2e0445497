#include "NewPyramid.h"

#include "Exception.h"
#include "Format.h"
#include "MadeGamesFormat.h"
#include "PuzzleStreamWriter.h"
#include "PyramidLinks.h"

#include <random>

namespace {

const char* const LayoutNames[LayoutTypeCount] = {
    "Centres",
    "Diagonals",
    "Nine apart",
    "Box centres",
    "Same places",
    "Place diagonals",
    "Nine more",
    "One child",
    "Centre boxes",
    "Same boxes",
    "Rows to diagonals",
    "Rows to columns",
    "Columns to diagonals",
    "Columns to rows",
};

const char* const PlainGradeNames[MethodLevelCount] = {"Singles", "Locked Pairs", "Hidden Locked Pairs"};
const char* const LinkedGradeNames[MethodLevelCount] = {"Linked Singles", "Linked Locked Pairs",
                                                        "Linked Hidden Locked Pairs"};

const char* const MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A request whose grade the generator missed within its attempts is made
// again from a seed of its own, this many times.
constexpr int SeedTries = 4;

}  // namespace

const char* LayoutDisplayName(int Layout)
{
    if (Layout < 0 || Layout >= LayoutTypeCount) {
        return "Any layout";
    }
    return LayoutNames[Layout];
}

const char* GradeDisplayName(const TGrade& Grade)
{
    return (Grade.Pyramid ? LinkedGradeNames : PlainGradeNames)[Grade.Level];
}

std::vector<TGrade> GradesForLayout(int Layout)
{
    std::vector<TGrade> grades;
    for (bool linked : {false, true}) {
        for (int level = 0; level < MethodLevelCount; ++level) {
            const TGrade grade{static_cast<TMethodLevel>(level), linked};
            if (Layout == AnyLayout || GradeFitsLayout(grade, static_cast<uint8_t>(Layout))) {
                grades.push_back(grade);
            }
        }
    }
    return grades;
}

std::vector<uint8_t> LayoutsForGrade(const TGrade& Grade)
{
    std::vector<uint8_t> layouts;
    for (int layout = 0; layout < LayoutTypeCount; ++layout) {
        if (GradeFitsLayout(Grade, static_cast<uint8_t>(layout))) {
            layouts.push_back(static_cast<uint8_t>(layout));
        }
    }
    return layouts;
}

TNewPyramid MakeNewPyramid(const TNewPyramidRequest& Request, const std::atomic<bool>* Cancel)
{
    std::mt19937_64 engine(Request.Seed);
    uint8_t layout = 0;
    if (Request.Layout == AnyLayout) {
        const std::vector<uint8_t> layouts = LayoutsForGrade(Request.Grade);
        layout = layouts[static_cast<size_t>(engine() % layouts.size())];
    } else if (Request.Layout >= 0 && Request.Layout < LayoutTypeCount) {
        layout = static_cast<uint8_t>(Request.Layout);
    } else {
        throw Exception(TR_TEXT("NewPyramid", "Unknown layout type %1"), Request.Layout);
    }
    TGeneratorOptions options;
    options.LayoutType = layout;
    options.Grade = Request.Grade;
    options.Cancel = Cancel;
    // Nothing the game makes is made again from a seed of the program's
    // random generator, so its draws need not be kept.
    options.KeepRandomDraws = false;
    for (int attempt = 1;; ++attempt) {
        options.Seed = engine();
        try {
            const TGeneratedPyramid made = GeneratePyramid(options);
            TNewPyramid pyramid;
            pyramid.LayoutType = layout;
            pyramid.Grade = made.Report.Grade;
            pyramid.GivenCount = made.Report.GivenCount;
            pyramid.Stream = MakePuzzleStream(made.Solution, made.Givens);
            return pyramid;
        } catch (const EGenerationCancelled&) {
            throw;
        } catch (const Exception&) {
            // A grade that cannot be had fails at once and for every seed.
            if (attempt >= SeedTries || !GradeFitsLayout(Request.Grade, layout)) {
                throw;
            }
        }
    }
}

std::string NewPyramidName(uint8_t LayoutType, const TGrade& Grade, const std::tm& When)
{
    const int month = When.tm_mon >= 0 && When.tm_mon < 12 ? When.tm_mon : 0;
    std::string name = Format("%s, %s, %s%02d %02d:%02d", LayoutDisplayName(LayoutType), GradeDisplayName(Grade),
                              MonthNames[month], When.tm_mday, When.tm_hour, When.tm_min);
    if (name.size() > static_cast<size_t>(TPuzzleInfo::TextSize)) {
        name.resize(static_cast<size_t>(TPuzzleInfo::TextSize));
    }
    return name;
}

TPuzzleInfo NewPyramidRecord(const TNewPyramid& Pyramid, const std::string& Name)
{
    TPuzzleInfo record;
    record.SetLayoutType(Pyramid.LayoutType);
    record.SetGameName(Name);
    record.SetGameDescription(DescribeGrade(Pyramid.Grade, Pyramid.GivenCount));
    record.SetIssueNumber(MadeIssueNumber);
    record.SetStreamKind(MadeStreamKind);
    return record;
}
