// Real pyramids of every layout, made by the solution maker and loaded from
// the puzzle stream the publisher writes.

#include "Exception.h"
#include "Format.h"
#include "MemoryStream.h"
#include "NoPossibilities.h"
#include "Puzzle.h"
#include "PyramidLinks.h"
#include "PyramidTestSupport.h"

#include <gtest/gtest.h>

namespace {

const int AllLayouts[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 255};

class LoadedLayoutTest : public ::testing::TestWithParam<int> {};

int RecordCountOf(uint8_t Layout)
{
    return 1 + PyramidChildCount(Layout);
}

}  // namespace

TEST_P(LoadedLayoutTest, LoadsSolutionsAndGivensOfEveryPuzzle)
{
    const uint8_t Layout = static_cast<uint8_t>(GetParam());
    TTestPyramid T = MakeTestPyramid(Layout, 100 + Layout);
    TPuzzleXLink& P = *T.Pyramid;
    ASSERT_EQ(static_cast<int>(T.Stream.size()), RecordCountOf(Layout) * TPuzzleXLink::StreamRecordSize);
    for (int Index = 0; Index <= P.ChildCount(); ++Index) {
        TPuzzle* Puzzle = P.GetPuzzle(Index);
        EXPECT_FALSE(Puzzle->Updating());
        EXPECT_FALSE(Puzzle->Changed());
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell* C = Puzzle->CellByIndex(Cell);
            const bool Given = T.Givens[Index][Cell] != 0;
            ASSERT_EQ(C->GetSolution(), T.Solution.Puzzles[Index][Cell]) << Index << "/" << Cell;
            ASSERT_EQ(C->GetRevealed(), Given) << Index << "/" << Cell;
            ASSERT_EQ(C->GetValue(), Given ? C->GetSolution() : 0) << Index << "/" << Cell;
            ASSERT_FALSE(C->IsInvalid());
        }
        // Givens are not part of the entries text.
        EXPECT_EQ(Puzzle->EntriesToString(), std::string(81, '0'));
    }
}

TEST_P(LoadedLayoutTest, ValuesTravelBothWaysAlongLinksOnly)
{
    const uint8_t Layout = static_cast<uint8_t>(GetParam());
    TTestPyramid T = MakeTestPyramid(Layout, 200 + Layout, 0);
    TPuzzleXLink& P = *T.Pyramid;
    TPuzzle* Parent = P.GetPuzzle(0);
    const auto Links = PyramidLinks(Layout);
    if (Links.empty()) {
        // Nothing a child holds ever shows in the parent.
        for (int Child = 1; Child <= P.ChildCount(); ++Child)
            P.GetPuzzle(Child)->CellAt(4, 4)->SetValue(T.Solution.Puzzles[Child][40]);
        EXPECT_EQ(Parent->EntriesToString(), std::string(81, '0'));
        EXPECT_FALSE(Parent->Changed());
        return;
    }
    const TPyramidLink& A = Links[13];
    TCell* ChildCell = P.GetPuzzle(A.Child)->CellAt(A.ChildRow, A.ChildCol);
    TCell* ParentCell = Parent->CellAt(A.ParentRow, A.ParentCol);
    ChildCell->SetValue(6);
    EXPECT_EQ(ParentCell->GetValue(), 6);
    ParentCell->SetValue(2);
    EXPECT_EQ(ChildCell->GetValue(), 2);
    ParentCell->SetValue(0);
    EXPECT_EQ(ChildCell->GetValue(), 0);

    // A child cell without a partner stays in its own puzzle.
    for (int Cell = 0; Cell < 81; ++Cell) {
        TCell* Lonely = P.GetPuzzle(A.Child)->CellByIndex(Cell);
        if (!Lonely->ParentLinkOfCell()) {
            Parent->SetChanged(false);
            Lonely->SetValue(5);
            EXPECT_EQ(Parent->EntriesToString(), std::string(81, '0'));
            break;
        }
    }
}

TEST_P(LoadedLayoutTest, SolvingFromGivensPlacesOnlyCorrectLinkedValues)
{
    const uint8_t Layout = static_cast<uint8_t>(GetParam());
    TTestPyramid T = MakeTestPyramid(Layout, 300 + Layout, 30);
    TPuzzleXLink& P = *T.Pyramid;
    P.SetPencilMode(6);
    EXPECT_GE(P.SolvePyramid(TMethodSet::All()), 1);
    int Filled = 0;
    for (int Index = 0; Index <= P.ChildCount(); ++Index) {
        TPuzzle* Puzzle = P.GetPuzzle(Index);
        EXPECT_FALSE(Puzzle->Changed());
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell* C = Puzzle->CellByIndex(Cell);
            // Every deduction from true candidates is true.
            ASSERT_TRUE(C->IsCorrect()) << "puzzle " << Index << " cell " << Cell;
            Filled += C->GetValue() != 0;
        }
    }
    EXPECT_GT(Filled, 30 * (1 + P.ChildCount()));
    for (const auto& Link : PyramidLinks(Layout))
        EXPECT_EQ(P.GetPuzzle(0)->CellByIndex(Link.ParentIndex())->GetValue(),
                  P.GetPuzzle(Link.Child)->CellByIndex(Link.ChildIndex())->GetValue());
}

TEST_P(LoadedLayoutTest, ShortStreamIsRefusedAndChangesNothing)
{
    const uint8_t Layout = static_cast<uint8_t>(GetParam());
    TTestPyramid T = MakeTestPyramid(Layout, 400 + Layout, 81);
    TPuzzleXLink& P = *T.Pyramid;
    const std::string Before = P.GetValuesLine(0) + P.GetValuesLine(1);
    const int Full = static_cast<int>(T.Stream.size());
    const int Records = RecordCountOf(Layout);
    for (const int Length : {0, 175, 176, Full - 176 + 12, Full - 1}) {
        const int ShortRecord = Length / TPuzzleXLink::StreamRecordSize + 1;
        std::vector<uint8_t> Cut(T.Stream.begin(), T.Stream.begin() + Length);
        TMemoryStream Stream(Cut);
        try {
            P.LoadFromStream(Stream);
            FAIL() << "a stream of " << Length << " bytes was accepted";
        } catch (const Exception& E) {
            const std::string Says = Format("record %d of %d", ShortRecord, Records);
            EXPECT_NE(E.Message().find(Says), std::string::npos) << E.Message();
            EXPECT_NE(E.Message().find(Format("has %d of 176 bytes", Length % 176)), std::string::npos) << E.Message();
        }
        for (int Index = 0; Index <= P.ChildCount(); ++Index)
            EXPECT_FALSE(P.GetPuzzle(Index)->Updating());
        EXPECT_EQ(P.GetValuesLine(0) + P.GetValuesLine(1), Before);
        EXPECT_EQ(P.GetPuzzle(0)->CellAt(0, 0)->GetValue(), T.Solution.Puzzles[0][0]);
    }
    // Bytes beyond the last record are not read.
    std::vector<uint8_t> Longer = T.Stream;
    Longer.resize(Longer.size() + 50, 0xFF);
    TMemoryStream Stream(Longer);
    P.LoadFromStream(Stream);
    EXPECT_EQ(Stream.GetPosition(), Full);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, LoadedLayoutTest, ::testing::ValuesIn(AllLayouts));

TEST(PuzzleXLink, ChildGivensDecideTheirParentPartners)
{
    const uint8_t Layout = 0;
    TPyramidSolution Solution = MakePyramidSolution(Layout, 5);
    TPyramidGivens Givens(10, TGridDigits{});
    // Child 1's centre of box 2 is linked to the parent's (0,2).
    Givens[1][1 * 9 + 7] = 1;
    std::vector<uint8_t> Bytes = MakePuzzleStream(Solution, Givens);
    // The writer flags both sides; the parent's own flag does not matter.
    ASSERT_EQ(Bytes[TPuzzleXLink::StreamGivensOffset + 2], 1);
    Bytes[TPuzzleXLink::StreamGivensOffset + 2] = 0;
    // And a parent-only flag on a linked cell is undone by the child record.
    Bytes[TPuzzleXLink::StreamGivensOffset + 40] = 1;

    TPuzzleXLink P(Layout, nullptr, 1, 1);
    TMemoryStream Stream(Bytes);
    P.LoadFromStream(Stream);
    const TCell* ParentCell = P.GetPuzzle(0)->CellAt(0, 2);
    EXPECT_TRUE(ParentCell->GetRevealed());
    EXPECT_EQ(ParentCell->GetValue(), Solution.Puzzles[0][2]);
    EXPECT_TRUE(P.GetPuzzle(1)->CellAt(1, 7)->GetRevealed());
    EXPECT_FALSE(P.GetPuzzle(0)->CellAt(4, 4)->GetRevealed());
    EXPECT_EQ(P.GetPuzzle(0)->CellAt(4, 4)->GetValue(), 0);
    // Givens that came over a link are no undoable entry of the parent.
    EXPECT_EQ(P.GetPuzzle(0)->UndoCount(), 0);
    EXPECT_FALSE(P.GetPuzzle(0)->Undo(1));
    EXPECT_EQ(ParentCell->GetValue(), Solution.Puzzles[0][2]);
}

TEST(PuzzleXLink, SolutionDigitsOutsideOneToNineAreRefused)
{
    TPyramidSolution Solution = MakePyramidSolution(9, 6);
    const std::vector<uint8_t> Good = MakePuzzleStream(Solution, RandomGivens(9, 30, 7));
    // Child 3 of layout 9 shares its box 2 with the parent; cell 40 is its own.
    for (const uint8_t Bad : {uint8_t(0), uint8_t(10), uint8_t(255)}) {
        std::vector<uint8_t> Bytes = Good;
        Bytes[3 * 176 + TPuzzleXLink::StreamDigitsOffset + 40] = Bad;
        TPuzzleXLink P(9, nullptr, 1, 1);
        TMemoryStream Stream(Bytes);
        try {
            P.LoadFromStream(Stream);
            FAIL() << "digit " << int(Bad) << " accepted";
        } catch (const Exception& E) {
            EXPECT_NE(E.Message().find("record 4 (child 3)"), std::string::npos) << E.Message();
            EXPECT_NE(E.Message().find("cell 40"), std::string::npos) << E.Message();
        }
        EXPECT_EQ(P.GetPuzzle(0)->CellAt(0, 0)->GetSolution(), 0);
    }
    // A linked child cell takes its partner's digit, so its own may be anything.
    std::vector<uint8_t> Bytes = Good;
    Bytes[3 * 176 + TPuzzleXLink::StreamDigitsOffset + 17] = 0;
    TPuzzleXLink P(9, nullptr, 1, 1);
    TMemoryStream Stream(Bytes);
    P.LoadFromStream(Stream);
    EXPECT_EQ(P.GetPuzzle(3)->CellAt(1, 8)->GetSolution(), P.GetPuzzle(0)->CellAt(1, 8)->GetSolution());
    EXPECT_NE(P.GetPuzzle(3)->CellAt(1, 8)->GetSolution(), 0);
}

TEST(PuzzleXLink, SolvedPyramidEndsAfterOnePass)
{
    for (const uint8_t Layout : {uint8_t(0), uint8_t(7), uint8_t(12)}) {
        TTestPyramid T = MakeTestPyramid(Layout, 8, 81);
        EXPECT_EQ(T.Pyramid->SolvePyramid(TMethodSet::All()), 1) << int(Layout);
        for (int Index = 0; Index <= T.Pyramid->ChildCount(); ++Index) {
            EXPECT_EQ(T.Pyramid->GetPuzzle(Index)->UndoCount(), 0);
            EXPECT_TRUE(T.Pyramid->GetPuzzle(Index)->IsSolved());
        }
    }
}

TEST(PuzzleXLink, SolvingAChildReachesTheParentInLaterPasses)
{
    // Children fully given except their linked cells, parent with nothing of
    // its own: only the children can fill the parent, and the parent's
    // flag must bring it into the next pass.
    const uint8_t Layout = 8;
    TPyramidSolution Solution = MakePyramidSolution(Layout, 9);
    TPyramidGivens Givens(10, TGridDigits{});
    for (int Child = 1; Child <= 9; ++Child)
        for (int Cell = 0; Cell < 81; ++Cell)
            Givens[Child][Cell] = TPosition::FromIndex(Cell).Box() != 4;
    TPuzzleXLink P(Layout, nullptr, 1, 1);
    TMemoryStream Stream(MakePuzzleStream(Solution, Givens));
    P.LoadFromStream(Stream);
    EXPECT_EQ(P.GetPuzzle(0)->EntriesToString(), std::string(81, '0'));
    EXPECT_GE(P.SolvePyramid(TMethodSet::All()), 2);
    for (int Index = 0; Index <= 9; ++Index)
        EXPECT_TRUE(P.GetPuzzle(Index)->IsSolved()) << Index;
    std::string ParentEntries;
    for (int Cell = 0; Cell < 81; ++Cell)
        ParentEntries += static_cast<char>('0' + Solution.Puzzles[0][Cell]);
    EXPECT_EQ(P.GetPuzzle(0)->EntriesToString(), ParentEntries);
}

TEST(PuzzleXLink, SavedGameLinesInTheirExactForms)
{
    TTestPyramid T = MakeTestPyramid(4, 10, 30);
    TPuzzleXLink& P = *T.Pyramid;
    EXPECT_EQ(P.GetValuesLine(0), "0,0,1," + std::string(81, '0'));
    EXPECT_EQ(P.GetValuesLine(4).substr(0, 6), "1,1,4,");
    EXPECT_EQ(P.GetMarksLine(0), "");
    EXPECT_EQ(P.GetErasuresLine(3), "");

    // An entry shows in the entries text; givens stay "0".
    TPuzzle* Child = P.GetPuzzle(4);
    int Free = 0;
    while (Child->CellByIndex(Free)->GetRevealed())
        ++Free;
    Child->CellByIndex(Free)->SetValue(Child->CellByIndex(Free)->GetSolution());
    const std::string Line = P.GetValuesLine(4);
    ASSERT_EQ(Line.size(), 6u + 81u);
    EXPECT_EQ(Line[6 + Free], '0' + Child->CellByIndex(Free)->GetSolution());

    Child->CellByIndex(0)->SetUserMark(1, true);
    Child->CellByIndex(0)->SetUserMark(2, true);
    const std::string Marks = P.GetMarksLine(4);
    ASSERT_EQ(Marks.size(), 81u * 4u);
    EXPECT_EQ(Marks.substr(0, 8), "$006$000");
    EXPECT_EQ(P.GetErasuresLine(4), "");

    TPuzzleXLink Numbered(2, nullptr, 7, 31);
    EXPECT_EQ(Numbered.GetValuesLine(9).substr(0, 7), "7,31,9,");
    EXPECT_EQ(Numbered.GetValuesLine(0).substr(0, 6), "0,0,1,");
}

TEST(PuzzleXLink, HeaderFieldsAreCopiedButNotFillerOrStreamPosition)
{
    TPuzzleInfo Header;
    for (int i = 0; i < TPuzzleInfo::RecordSize; ++i)
        Header.Bytes()[i] = static_cast<uint8_t>(i * 7 + 3);
    Header.SetLayoutType(11);
    Header.SetGameName(std::string(64, 'G'));
    const auto P = TPuzzleXLink::CreateFromHeader(Header, nullptr, 1, 1);
    EXPECT_EQ(P->LayoutType(), 11);
    EXPECT_EQ(P->GetPuzzle(0)->CellAt(2, 5)->ChildLinkOfCell(), P->GetPuzzle(3)->CellAt(5, 2));
    const TPuzzleInfo& Info = P->Info();
    const TPuzzleInfo Fresh;
    for (int i = 0; i < TPuzzleInfo::RecordSize; ++i) {
        const bool Copied = (i < 8) || (i >= 12 && i < 145) || (i >= 212 && i < 225);
        if (Copied || i == 8) {
            EXPECT_EQ(Info.Bytes()[i], Header.Bytes()[i]) << "offset " << i;
        } else if (i >= 356 || (i >= 9 && i < 12) || (i >= 209 && i < 212) || (i >= 353 && i < 356)) {
            EXPECT_EQ(Info.Bytes()[i], 0) << "offset " << i;
        }
    }
    EXPECT_EQ(Info.GetGameName(), std::string(64, 'G'));
    EXPECT_EQ(Info.GetStreamPosition(), 0u);
    EXPECT_NE(std::vector<uint8_t>(Info.Data() + 145, Info.Data() + 209),
              std::vector<uint8_t>(Header.Data() + 145, Header.Data() + 209));
}

TEST(PuzzleXLink, CallersParentLinkIsWiredButNeverFreedOrLeftDangling)
{
    TPuzzle CallersPuzzle;
    TQVDisplayPark CallersLink(3, 3);
    CallersLink.SetPuzzle(&CallersPuzzle);
    CallersPuzzle.SetDisplayLink(&CallersLink);
    {
        TPuzzleXLink P(9, &CallersLink, 1, 1);
        EXPECT_EQ(P.GetLink(0), &CallersLink);
        EXPECT_EQ(P.GetPuzzle(0), &CallersPuzzle);
        EXPECT_EQ(CallersPuzzle.CellAt(0, 0)->ChildLinkOfCell(), P.GetPuzzle(1)->CellAt(0, 0));
        TMemoryStream Stream(MakePuzzleStream(MakePyramidSolution(9, 11), RandomGivens(9, 20, 12)));
        P.LoadFromStream(Stream);
    }
    // The children are gone; the caller's puzzle keeps working on its own.
    for (int Index = 0; Index < 81; ++Index)
        EXPECT_EQ(CallersPuzzle.CellByIndex(Index)->ChildLinkOfCell(), nullptr);
    CallersPuzzle.CellAt(8, 8)->SetValue(0);
    CallersPuzzle.CellAt(0, 0)->SetValue(CallersPuzzle.CellAt(0, 0)->GetSolution());

    // A second pyramid on the same parent with no links drops the old ones.
    TPuzzleXLink Linked(9, &CallersLink, 1, 1);
    TPuzzleXLink Unlinked(2, &CallersLink, 1, 1);
    EXPECT_EQ(CallersPuzzle.CellAt(4, 4)->ChildLinkOfCell(), nullptr);

    TQVDisplayPark Empty(3, 3);
    EXPECT_THROW(TPuzzleXLink(0, &Empty, 1, 1), Exception);
}

TEST(PuzzleXLink, ContradictoryDigitsRaiseAndLeaveNoPuzzleUpdating)
{
    std::vector<uint8_t> Bytes = MakePuzzleStream(MakePyramidSolution(3, 13), RandomGivens(3, 30, 14));
    for (int Cell = 0; Cell < 81; ++Cell)
        Bytes[2 * 176 + TPuzzleXLink::StreamDigitsOffset + Cell] = 5;  // child 2: nothing but fives
    TPuzzleXLink P(3, nullptr, 1, 1);
    TMemoryStream Stream(Bytes);
    EXPECT_THROW(P.LoadFromStream(Stream), ENoPossibilities);
    for (int Index = 0; Index <= P.ChildCount(); ++Index)
        EXPECT_FALSE(P.GetPuzzle(Index)->Updating()) << Index;
}
