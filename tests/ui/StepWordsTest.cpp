// The sentences of Next Step and of the first-mistake lines, composed from
// steps made by hand: the English reads word for word as it always has, and
// every kind of piece (puzzles, places, lists of digits and of places, the
// links) lands where its sentence puts it.

#include "StepWords.h"

#include <gtest/gtest.h>

namespace {

TStepSquare Sq(int Puzzle, int Row, int Col)
{
    return {Puzzle, Row - 1, Col - 1};
}

uint32_t Bits(std::initializer_list<int> Digits)
{
    uint32_t Mask = 0;
    for (int Digit : Digits)
        Mask |= 1u << Digit;
    return Mask;
}

std::string Words(const QString& Text)
{
    return Text.toStdString();
}

}  // namespace

TEST(StepWords, ValuesAndWrongEntriesReadAsTheyAlwaysHave)
{
    TPyramidStep Wrong;
    Wrong.Kind = TStepKind::WrongEntry;
    Wrong.Square = Sq(3, 2, 5);
    Wrong.Digit = 7;
    EXPECT_EQ(Words(TStepWords::Explain(Wrong)),
              "Child 3, row 2, column 5 holds 7, which is not its solution: take it back before the next step.");
    Wrong.Square = {};
    EXPECT_EQ(Words(TStepWords::Explain(Wrong)),
              "One of the entries is wrong, so no step can follow from them until it is taken back.");

    TPyramidStep Single;
    Single.Kind = TStepKind::Value;
    Single.Method = smPinned;
    Single.Square = Sq(0, 1, 2);
    Single.Digit = 5;
    EXPECT_EQ(Words(TStepWords::Explain(Single)),
              "The parent's row 1, column 2 must be 5: it is the only digit that square can hold (Pinned).");
    Single.Linked = Single.Square;
    Single.Partner = Sq(4, 8, 2);
    Single.Links = {{Single.Square, Single.Partner, Bits({3})}};
    EXPECT_EQ(Words(TStepWords::Explain(Single)), "The parent's row 1, column 2 and its partner in child 4 (row 8, "
                                                  "column 2) together leave only 5 (Pinned).");

    // A hidden single that two partners in the parent and one in child 2
    // make: squares ruled out by one puzzle for the same digits are told
    // together.
    TPyramidStep Hidden;
    Hidden.Kind = TStepKind::Value;
    Hidden.Method = smScanning;
    Hidden.Square = Sq(5, 4, 9);
    Hidden.Digit = 6;
    Hidden.HouseKind = TStepHouse::Row;
    Hidden.HouseIndex = 3;
    Hidden.Links = {{Sq(5, 4, 1), Sq(0, 7, 1), Bits({6})},
                    {Sq(5, 4, 2), Sq(2, 1, 2), Bits({1, 4, 6})},
                    {Sq(5, 4, 3), Sq(0, 7, 3), Bits({6})},
                    {Sq(5, 4, 5), Sq(0, 7, 5), Bits({6})}};
    Hidden.Linked = Hidden.Links[0].Square;
    Hidden.Partner = Hidden.Links[0].Partner;
    EXPECT_EQ(Words(TStepWords::Explain(Hidden)),
              "Child 5, row 4, column 9 must be 6: it is the only square of row 4 that can hold 6 (Scanning). "
              "Row 4, column 1; row 4, column 3 and row 4, column 5 could hold 6 but for their partners in the "
              "parent (row 7, column 1; row 7, column 3 and row 7, column 5). Row 4, column 2 could hold 1, 4 or 6 "
              "but for its partner in child 2 (row 1, column 2).");

    TPyramidStep Done;
    Done.Kind = TStepKind::Complete;
    EXPECT_EQ(Words(TStepWords::Explain(Done)), "Every square is filled in: there is no step left.");
    Done.Kind = TStepKind::Nothing;
    EXPECT_EQ(Words(TStepWords::Stage(Done, TStepStage::Place)),
              "The solving methods find no further step from these entries.");
}

TEST(StepWords, PairsAndTheirStagesNameTheirPartnersAndWhatTheyStrike)
{
    TPyramidStep Locked;
    Locked.Kind = TStepKind::Strike;
    Locked.Method = smLockedPairs;
    Locked.Square = Sq(2, 3, 2);
    Locked.Pair = {Sq(2, 3, 1), Sq(2, 3, 5)};
    Locked.PairDigits = Bits({2, 8});
    Locked.HouseKind = TStepHouse::Row;
    Locked.HouseIndex = 2;
    Locked.Strikes = {{Sq(2, 3, 2), Bits({2})}, {Sq(2, 3, 7), Bits({2, 8})}, {Sq(2, 3, 9), Bits({2})}};
    Locked.Links = {{Sq(2, 3, 1), Sq(0, 9, 4), Bits({5})}};
    EXPECT_EQ(Words(TStepWords::Explain(Locked)),
              "In child 2, row 3, column 1 (with its partner in the parent, row 9, column 4) and row 3, column 5 can "
              "hold only 2 and 8, so no other square of row 3 can hold 2 or 8 (Locked Pairs). Take 2 out of row 3, "
              "column 2 and row 3, column 9. Take 2 and 8 out of row 3, column 7.");
    EXPECT_EQ(Words(TStepWords::Stage(Locked, TStepStage::Place)),
              "Look at child 2: a Locked Pairs step with the help of its partner in the parent.");
    EXPECT_EQ(Words(TStepWords::Stage(Locked, TStepStage::House)),
              "Look at row 3 of child 2: a Locked Pairs step with the help of its partner in the parent.");
    EXPECT_EQ(Words(TStepWords::Stage(Locked, TStepStage::Square)),
              "Child 2, row 3, column 1 and row 3, column 5: a Locked Pairs step with the help of its partner in "
              "the parent.");
    EXPECT_EQ(TStepWords::Stage(Locked, TStepStage::Whole), TStepWords::Explain(Locked));

    TPyramidStep Hidden;
    Hidden.Kind = TStepKind::Strike;
    Hidden.Method = smHiddenPairs;
    Hidden.Square = Sq(0, 4, 4);
    Hidden.Pair = {Sq(0, 4, 4), Sq(0, 6, 6)};
    Hidden.PairDigits = Bits({1, 9});
    Hidden.HouseKind = TStepHouse::Box;
    Hidden.HouseIndex = 4;
    Hidden.Strikes = {{Sq(0, 4, 4), Bits({3, 7})}};
    Hidden.Links = {{Sq(0, 5, 5), Sq(6, 2, 2), Bits({1, 9})}, {Sq(0, 4, 6), Sq(9, 1, 3), Bits({1, 9})}};
    EXPECT_EQ(Words(TStepWords::Explain(Hidden)),
              "In the parent, 1 and 9 can go only in row 4, column 4 and row 6, column 6 of box 5, so those two "
              "squares hold no other digit (Hidden Locked Pairs). Row 5, column 5 could hold 1 or 9 but for its "
              "partner in child 6 (row 2, column 2). Row 4, column 6 could hold 1 or 9 but for its partner in child "
              "9 (row 1, column 3). Take 3 and 7 out of row 4, column 4.");
    EXPECT_EQ(Words(TStepWords::Stage(Hidden, TStepStage::Place)),
              "Look at the parent: a Hidden Locked Pairs step with the help of its partners in child 6 and child 9.");
    Hidden.Links.clear();
    EXPECT_EQ(Words(TStepWords::Stage(Hidden, TStepStage::House)),
              "Look at box 5 of the parent: a Hidden Locked Pairs step.");

    // A single's house stage names its box.
    TPyramidStep Single;
    Single.Kind = TStepKind::Value;
    Single.Method = smPinned;
    Single.Square = Sq(7, 8, 3);
    Single.Digit = 4;
    EXPECT_EQ(Words(TStepWords::Stage(Single, TStepStage::House)), "Look at box 7 of child 7: a Pinned step.");
    EXPECT_EQ(Words(TStepWords::Stage(Single, TStepStage::Square)), "Child 7, row 8, column 3: a Pinned step.");

    EXPECT_EQ(Words(TStepWords::MistakeSquare(Sq(0, 3, 5))), "the parent's row 3, column 5");
    EXPECT_EQ(Words(TStepWords::MistakeSquare(Sq(4, 2, 7))), "child 4's row 2, column 7");
}
