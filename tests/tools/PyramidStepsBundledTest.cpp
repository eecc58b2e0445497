// Explained steps on the bundled games: one step after another from the
// start reaches what solving the pyramid reaches, and every step is true of
// the solution and of the grid it names.

#include "DataReporter.h"
#include "GamesFile.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"
#include "PyramidSteps.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

class TQuietReporter : public TDataReporter {
public:
    void ShowMessage(const std::string& Message) override { Messages.push_back(Message); }
    void ShowInstallationError(const std::string& Message) override { Messages.push_back(Message); }
    std::vector<std::string> Messages;
};

const TCell& CellAt(const TPuzzleXLink& Pyramid, const TStepSquare& Square)
{
    return *Pyramid.GetPuzzle(Square.Puzzle)->CellAt(Square.Row, Square.Col);
}

uint32_t Shown(const TCell& Cell)
{
    return Cell.Shown().Bits() & AllDigitBits;
}

bool IsLayoutPartner(uint8_t Layout, const TStepSquare& A, const TStepSquare& B)
{
    for (const TPyramidLink& Link : PyramidLinks(Layout)) {
        const TStepSquare Parent{0, Link.ParentRow, Link.ParentCol};
        const TStepSquare Child{Link.Child, Link.ChildRow, Link.ChildCol};
        if ((A == Parent && B == Child) || (A == Child && B == Parent))
            return true;
    }
    return false;
}

// The empty squares of the step's house whose shown marks hold Digit.
std::vector<TStepSquare> HoldersIn(const TPuzzleXLink& Pyramid, const TPyramidStep& Step, int Digit)
{
    std::vector<TStepSquare> Holders;
    for (const TStepSquare& Square : StepHouseSquares(Step)) {
        const TCell& Cell = CellAt(Pyramid, Square);
        if (Cell.GetValue() == 0 && ((Shown(Cell) >> Digit) & 1u))
            Holders.push_back(Square);
    }
    return Holders;
}

// The step is what it says of the player's grid: in the linked automatic
// style with the earlier strikes erased, the shown marks are exactly the
// candidates the steps reason on.
void ExpectStepHolds(const TPuzzleXLink& Pyramid, const TPyramidStep& Step)
{
    const uint8_t Layout = Pyramid.LayoutType();
    SCOPED_TRACE(StepSummary(Step));
    if (Step.Linked.Valid()) {
        EXPECT_TRUE(IsLayoutPartner(Layout, Step.Linked, Step.Partner));
    }
    if (Step.Kind == TStepKind::Value) {
        const TCell& Cell = CellAt(Pyramid, Step.Square);
        EXPECT_EQ(Cell.GetValue(), 0);
        EXPECT_EQ(Step.Digit, Cell.GetSolution());
        if (Step.HouseKind == TStepHouse::None) {
            EXPECT_EQ(Shown(Cell), 1u << Step.Digit);
            if (Step.Linked.Valid()) {
                EXPECT_EQ(Step.Linked, Step.Square);
                EXPECT_GT(BitCount(Cell.Possible().Bits() & ~Cell.Erased().Bits() & AllDigitBits), 1);
            }
        } else {
            EXPECT_EQ(HoldersIn(Pyramid, Step, Step.Digit), std::vector<TStepSquare>{Step.Square});
            if (Step.Linked.Valid()) {
                const auto House = StepHouseSquares(Step);
                EXPECT_NE(std::find(House.begin(), House.end(), Step.Linked), House.end());
                EXPECT_TRUE(CellAt(Pyramid, Step.Linked).Possible().IsSet(Step.Digit));
            }
        }
        return;
    }
    ASSERT_EQ(Step.Kind, TStepKind::Strike);
    ASSERT_FALSE(Step.Strikes.empty());
    for (const TStepStrike& Strike : Step.Strikes) {
        const TCell& Cell = CellAt(Pyramid, Strike.Square);
        EXPECT_EQ(Cell.GetValue(), 0);
        EXPECT_FALSE((Strike.Digits >> Cell.GetSolution()) & 1u) << "strikes the solution";
    }
    EXPECT_EQ(BitCount(Step.PairDigits), 2);
    if (Step.Method == smLockedPairs) {
        EXPECT_EQ(Shown(CellAt(Pyramid, Step.Pair[0])), Step.PairDigits);
        EXPECT_EQ(Shown(CellAt(Pyramid, Step.Pair[1])), Step.PairDigits);
        // One step strikes both digits, and only where they show.
        for (const TStepStrike& Strike : Step.Strikes) {
            EXPECT_EQ(Strike.Digits & ~Step.PairDigits, 0u);
            EXPECT_EQ(Shown(CellAt(Pyramid, Strike.Square)) & Strike.Digits, Strike.Digits);
        }
    } else {
        for (int Digit = 1; Digit <= 9; ++Digit) {
            if ((Step.PairDigits >> Digit) & 1u) {
                EXPECT_EQ(HoldersIn(Pyramid, Step, Digit), (std::vector<TStepSquare>{Step.Pair[0], Step.Pair[1]}));
            }
        }
    }
}

std::unique_ptr<TPuzzleXLink> Loaded(const TPuzzleInfo& Record, TMemoryStream& Stream)
{
    auto Pyramid = TPuzzleXLink::CreateFromHeader(Record, nullptr, 1, 1);
    Stream.SetPosition(0);
    Pyramid->LoadFromStream(Stream);
    Pyramid->SetPencilMode(msAutoPencilLinked);
    return Pyramid;
}

}  // namespace

TEST(PyramidStepsBundledTest, StepsAloneSolveEveryGameAsTheSolverDoes)
{
    const fs::path Bundled = fs::path(TAVREL_BIN_DIR) / "ISSUES";
    ASSERT_TRUE(fs::is_directory(Bundled)) << "build the bundled_issues target first";
    const fs::path Folder = fs::temp_directory_path() / "tavrel-steps-bundled";
    fs::remove_all(Folder);
    fs::create_directories(Folder / "ISSUES");
    for (const auto& Entry : fs::directory_iterator(Bundled))
        if (Entry.path().extension() == ".ISS")
            fs::copy_file(Entry.path(), Folder / "ISSUES" / Entry.path().filename());
    TQuietReporter Reporter;
    TGamesDataFile Catalogue(Folder.string(), Reporter);
    ASSERT_TRUE(Reporter.Messages.empty());

    int Games = 0;
    int Linked = 0;
    for (int I = 0; I < Catalogue.IssueCount(); ++I) {
        const TIssueEntry& Issue = Catalogue.Issue(I);
        // Every game of the first four issues, the first of each later one;
        // under the sanitizers the first of each of the four.
        const bool AllGames = Issue.GetIssueNumber() <= 4 && !Sanitized;
        if (Sanitized && Issue.GetIssueNumber() > 4)
            continue;
        for (size_t G = 0; G < Issue.Games().size() && (AllGames || G == 0); ++G) {
            const uint32_t Number = Issue.Games()[G].GetGameNumber();
            SCOPED_TRACE(testing::Message() << "issue " << Issue.GetIssueNumber() << ", game " << Number);
            TPuzzleInfo Record;
            TMemoryStream Stream;
            Catalogue.OpenGame(Issue.GetIssueNumber(), Number, Record, Stream);
            const auto Player = Loaded(Record, Stream);
            const auto Solver = Loaded(Record, Stream);
            Solver->SolvePyramid(TMethodSet::All());

            TPyramidStep Step;
            for (int Count = 0; Count < 10 * 81 * 10; ++Count) {
                Step = FindPyramidStep(*Player, TStepRules{}, TMethodSet::All());
                if (Step.Kind != TStepKind::Value && Step.Kind != TStepKind::Strike)
                    break;
                ExpectStepHolds(*Player, Step);
                Linked += Step.Partner.Valid() ? 1 : 0;
                ASSERT_TRUE(ApplyPyramidStep(*Player, Step, false)) << StepSummary(Step);
                if (HasFailure())
                    return;
            }
            EXPECT_EQ(Step.Kind, TStepKind::Complete) << StepSummary(Step);
            for (int P = 0; P <= Player->ChildCount(); ++P)
                EXPECT_EQ(Player->GetPuzzle(P)->EntriesToString(), Solver->GetPuzzle(P)->EntriesToString()) << P;
            ++Games;
        }
    }
    EXPECT_GE(Games, Sanitized ? 4 : 40);
    // Linked games have steps that rest on a link, and they say so.
    EXPECT_GT(Linked, 0);
    fs::remove_all(Folder);
}

// In the user-mark styles the player's grid shows only the player's marks:
// with none kept, no strike is news, and the values come one after another
// to the end.
TEST(PyramidStepsBundledTest, WithoutMarksOnlyValuesAreTold)
{
    const fs::path Folder = fs::temp_directory_path() / "tavrel-steps-marks";
    fs::remove_all(Folder);
    fs::create_directories(Folder / "ISSUES");
    fs::copy_file(fs::path(TAVREL_BIN_DIR) / "ISSUES" / "TAVREL02.ISS", Folder / "ISSUES" / "TAVREL02.ISS");
    TQuietReporter Reporter;
    TGamesDataFile Catalogue(Folder.string(), Reporter);
    ASSERT_EQ(Catalogue.IssueCount(), 1);
    TPuzzleInfo Record;
    TMemoryStream Stream;
    // Game 201 needs locked pairs.
    Catalogue.OpenGame(2, 201, Record, Stream);
    const auto Player = Loaded(Record, Stream);
    Player->SetPencilMode(msUserMarksLinked);
    TPyramidStep Step;
    for (int Count = 0; Count < 81 * 10; ++Count) {
        Step = FindPyramidStep(*Player, TStepRules{}, TMethodSet::All());
        if (Step.Kind != TStepKind::Value)
            break;
        ASSERT_TRUE(ApplyPyramidStep(*Player, Step, true));
    }
    EXPECT_EQ(Step.Kind, TStepKind::Complete) << StepSummary(Step);
    fs::remove_all(Folder);
}
