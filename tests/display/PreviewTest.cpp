// grid-preview's command line and rendering, on an issue file written by the
// publisher's own writer around a real pyramid.
#include "DisplayTestSupport.h"
#include "Exception.h"
#include "Format.h"
#include "IssueWriter.h"
#include "PreviewRender.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TPreviewIssue {
    QTemporaryDir Dir;
    std::string File;
    TTestPyramid Game = MakeTestPyramid(0, 31, 30);

    TPreviewIssue()
    {
        TIssueHeader Header;
        Header.IssueNumber = 9;
        Header.Description = "Preview test";
        Header.Key.fill(0x5A);
        TPublishedGame Published;
        Published.Record.SetGameNumber(901);
        Published.Record.SetLayoutType(0);
        Published.Record.SetGameName("Preview centres");
        Published.PuzzleStream = Game.Stream;
        Published.StreamKind = 'F';
        File = Dir.filePath("PREVIEW.ISS").toStdString();
        WriteIssueFile(File, Header, {Published}, 1);
    }
    std::string Out(const char* Name) const { return Dir.filePath(Name).toStdString(); }
};

TEST(PreviewTest, CommandLineIsCheckedWithClearMessages)
{
    const TPreviewOptions Options = ParsePreviewArguments(
        {"A.ISS", "--number", "901", "--child", "4", "--style", "print", "--value", "4:2,8=7", "--mark", "0:0,0=139",
         "--highlight", "pairs", "--pencil", "3", "--filled", "--out", "x"});
    EXPECT_EQ(Options.IssueFile, "A.ISS");
    EXPECT_TRUE(Options.ByGameNumber);
    EXPECT_EQ(Options.GameNumber, 901u);
    EXPECT_EQ(Options.Child, 4);
    EXPECT_EQ(Options.Style, TPaintStyle::Print);
    ASSERT_EQ(Options.Values.size(), 1u);
    EXPECT_EQ(Options.Values[0].Puzzle, 4);
    EXPECT_EQ(Options.Values[0].Row, 2);
    EXPECT_EQ(Options.Values[0].Col, 8);
    EXPECT_EQ(Options.Values[0].Value, 7);
    ASSERT_EQ(Options.Marks.size(), 1u);
    EXPECT_EQ(Options.Marks[0].Digits, (1u << 1) | (1u << 3) | (1u << 9));
    EXPECT_EQ(Options.Highlight, HighlightPairs);
    EXPECT_EQ(Options.PencilMode, 3);
    EXPECT_TRUE(Options.Filled);

    const auto Message = [](std::vector<std::string> Args) {
        try {
            ParsePreviewArguments(Args);
        } catch (const Exception& Error) {
            return Error.Message();
        }
        return std::string("accepted");
    };
    EXPECT_EQ(Message({}), "no issue file given");
    EXPECT_EQ(Message({"A", "--child"}), "--child needs a value");
    EXPECT_EQ(Message({"A", "--child", "10"}), "--child must be a number from 1 to 9, not \"10\"");
    EXPECT_EQ(Message({"A", "--value", "1:0,9=3"}), "--value column must be a number from 0 to 8, not \"9\"");
    EXPECT_EQ(Message({"A", "--value", "1:0,0=x"}), "--value digit must be a number from 0 to 9, not \"x\"");
    EXPECT_EQ(Message({"A", "--value", "10"}), "--value takes PUZZLE:ROW,COL=..., not \"10\"");
    EXPECT_EQ(Message({"A", "--mark", "1:0,0=05"}), "--mark takes digits 1-9, not \"05\"");
    EXPECT_EQ(Message({"A", "--style", "paper"}), "--style is screen or print, not \"paper\"");
    EXPECT_EQ(Message({"A", "--bogus"}), "unknown option --bogus");
    EXPECT_EQ(Message({"A", "B"}), "one issue file only (\"B\" is a second)");
}

TEST(PreviewTest, RendersTheGameWithItsEntries)
{
    TScopedSettings Unused;  // restored to the defaults after the test
    TPreviewIssue Issue;
    EXPECT_NE(ListPreviewGames(Issue.File).find("game 901"), std::string::npos);

    // A free cell of child 2 off the links, and a candidate of it that is
    // not its solution (incorrect but not invalid).
    TPuzzle& Child = *Issue.Game.Pyramid->GetPuzzle(2);
    int Row = -1;
    int Col = -1;
    int Wrong = 0;
    for (int Index = 0; Index < 81 && Row < 0; ++Index) {
        const TCell& Cell = *Child.CellByIndex(Index);
        if (Cell.GetRevealed() || Cell.ParentLinkOfCell() != nullptr)
            continue;
        for (int Digit = 1; Digit <= 9 && Row < 0; ++Digit) {
            if (Digit != Cell.GetSolution() && Cell.Possible().IsSet(Digit)) {
                Row = Index / 9;
                Col = Index % 9;
                Wrong = Digit;
            }
        }
    }
    ASSERT_GE(Row, 0);

    TPreviewOptions Options = ParsePreviewArguments({Issue.File, "--child", "2", "--out", Issue.Out("shot")});
    Options.Values.push_back(TPreviewCellChange{2, Row, Col, Wrong, 0});
    const std::vector<std::string> Files = RenderPreview(Options);
    ASSERT_EQ(Files.size(), 2u);
    EXPECT_EQ(Files[1], Issue.Out("shot") + "-child2.png");
    const QImage Parent(QString::fromStdString(Files[0]));
    const QImage Shot(QString::fromStdString(Files[1]));
    ASSERT_EQ(Shot.width(), 394);
    ASSERT_EQ(Parent.height(), 394);
    EXPECT_EQ(PixelAt(Shot, 0, 0), clSkyBlue);
    // The parent's box 1 belongs to child 2: shaded.
    EXPECT_EQ(PixelAt(Parent, 134, 4), clSilver);
    EXPECT_EQ(PixelAt(Parent, 4, 4), clWhite);
    // The wrong entry shows in the incorrect colour in its square.
    const int X = 2 + 130 * (Col / 3) + 2 + 42 * (Col % 3);
    const int Y = 2 + 130 * (Row / 3) + 2 + 42 * (Row % 3);
    EXPECT_GT(CountColour(Shot, TRect{X, Y, X + 41, Y + 41}, clRed), 20);

    // Print style at a printer's resolution.
    Options.Style = TPaintStyle::Print;
    Options.Size = 1875;
    Options.Dpi = 600;
    Options.Values.clear();
    const QImage Printed(QString::fromStdString(RenderPreview(Options)[1]));
    ASSERT_EQ(Printed.width(), 1875);
    EXPECT_EQ(PixelAt(Printed, 0, 0), clBlack);

    // The whole booklet beside the pictures.
    const std::vector<std::string> WithBooklet = RenderPreview(
        ParsePreviewArguments({Issue.File, "--booklet", Issue.Out("booklet.pdf"), "--out", Issue.Out("shot")}));
    ASSERT_EQ(WithBooklet.size(), 3u);
    QFile Booklet(QString::fromStdString(WithBooklet[2]));
    ASSERT_TRUE(Booklet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(Booklet.readAll().contains("/Count 4"));

    // Cells the game does not have, givens and missing games are refused.
    const auto Refusal = [&](TPreviewOptions Bad) {
        try {
            RenderPreview(Bad);
        } catch (const Exception& Error) {
            return Error.Message();
        }
        return std::string("rendered");
    };
    TPreviewOptions Bad = Options;
    Bad.GameIndex = 2;
    EXPECT_EQ(Refusal(Bad), Issue.File + " has 1 games; there is no game 2");
    Bad = Options;
    Bad.ByGameNumber = true;
    Bad.GameNumber = 5;
    EXPECT_EQ(Refusal(Bad), Issue.File + " has no game number 5");
    Bad = Options;
    int GivenIndex = 0;
    while (!Child.CellByIndex(GivenIndex)->GetRevealed())
        ++GivenIndex;
    Bad.Values.push_back(TPreviewCellChange{2, GivenIndex / 9, GivenIndex % 9, 1, 0});
    EXPECT_EQ(Refusal(Bad), Format("puzzle 2, row %d, column %d is a given", GivenIndex / 9, GivenIndex % 9));
    Bad = Options;
    Bad.OutPrefix = Issue.Out("no/such/folder/x");
    EXPECT_EQ(Refusal(Bad), "cannot write " + Bad.OutPrefix + "-parent.png");
}

}  // namespace
