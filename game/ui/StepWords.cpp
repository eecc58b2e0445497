#include "StepWords.h"

#include "Puzzle.h"
#include "SettingsValues.h"

#include <algorithm>
#include <vector>

namespace {

// "the parent" or "child 4", inside a sentence.
QString PuzzleName(int Puzzle)
{
    //: A puzzle named inside a sentence ("its partner in the parent").
    return Puzzle == 0 ? TStepWords::tr("the parent") : TStepWords::tr("child %1").arg(Puzzle);
}

QString PlaceText(const TStepSquare& Square)
{
    return TStepWords::tr("row %1, column %2").arg(Square.Row + 1).arg(Square.Col + 1);
}

QString Capitalised(QString Text)
{
    if (!Text.isEmpty())
        Text[0] = Text[0].toUpper();
    return Text;
}

// "The parent's row 5, column 3" or "Child 4, row 2, column 7": a square
// opening a sentence.
QString Subject(const TStepSquare& Square)
{
    if (Square.Puzzle == 0)
        //: %1 is a place, "row 5, column 3"; opens a sentence.
        return TStepWords::tr("The parent's %1").arg(PlaceText(Square));
    //: %1 is the child's number, %2 a place, "row 2, column 7"; opens a sentence.
    return TStepWords::tr("Child %1, %2").arg(Square.Puzzle).arg(PlaceText(Square));
}

QString HouseText(TStepHouse Kind, int Index)
{
    switch (Kind) {
    case TStepHouse::Row: return TStepWords::tr("row %1").arg(Index + 1);
    case TStepHouse::Column: return TStepWords::tr("column %1").arg(Index + 1);
    case TStepHouse::Box: return TStepWords::tr("box %1").arg(Index + 1);
    case TStepHouse::None: break;
    }
    return {};
}

// Items joined as "a", "a and b", "a, b and c"; places, which hold commas,
// as "a; b and c"; alternatives as "a or b".
enum class TJoin { And, Places, Or };

QString Joined(const QStringList& Items, TJoin Join)
{
    QString Text;
    for (qsizetype Index = 0; Index < Items.size(); ++Index) {
        if (Index == 0)
            Text = Items[0];
        else if (Index + 1 < Items.size())
            //: Joins all but the last two items of a list: "1, 2" (of "1, 2 and 9").
            Text = Join == TJoin::Places ? TStepWords::tr("%1; %2").arg(Text, Items[Index])
                                         : TStepWords::tr("%1, %2").arg(Text, Items[Index]);
        else
            Text = Join == TJoin::Or ? TStepWords::tr("%1 or %2").arg(Text, Items[Index])
                                     : TStepWords::tr("%1 and %2").arg(Text, Items[Index]);
    }
    return Text;
}

QString DigitsText(uint32_t Digits, TJoin Join = TJoin::And)
{
    QStringList List;
    for (int Digit = 1; Digit <= 9; ++Digit)
        if ((Digits >> Digit) & 1u)
            List << QString::number(Digit);
    return Joined(List, Join);
}

// " Row 1, column 8 could hold 6 but for its partner in the parent (row 4,
// column 2)." for each puzzle whose partners rule squares out, naming every
// square and its partner.
QString RuledOutText(const TPyramidStep& Step)
{
    QString Text;
    std::vector<bool> Told(Step.Links.size(), false);
    for (size_t First = 0; First < Step.Links.size(); ++First) {
        if (Told[First])
            continue;
        const TStepLink& Head = Step.Links[First];
        QStringList Squares;
        QStringList Partners;
        for (size_t Next = First; Next < Step.Links.size(); ++Next) {
            const TStepLink& Link = Step.Links[Next];
            if (Told[Next] || Link.Partner.Puzzle != Head.Partner.Puzzle || Link.Digits != Head.Digits)
                continue;
            Told[Next] = true;
            Squares << PlaceText(Link.Square);
            Partners << PlaceText(Link.Partner);
        }
        const QString Places = Capitalised(Joined(Squares, TJoin::Places));
        const QString Digits = DigitsText(Head.Digits, TJoin::Or);
        const QString Partner = PuzzleName(Head.Partner.Puzzle);
        const QString PartnerPlaces = Joined(Partners, TJoin::Places);
        Text += QLatin1Char(' ');
        Text += Squares.size() == 1
                    //: %1 a square's place, %2 digits, %3 a puzzle, %4 the partner's place.
                    ? TStepWords::tr("%1 could hold %2 but for its partner in %3 (%4).")
                          .arg(Places, Digits, Partner, PartnerPlaces)
                    //: %1 squares' places, %2 digits, %3 a puzzle, %4 the partners' places.
                    : TStepWords::tr("%1 could hold %2 but for their partners in %3 (%4).")
                          .arg(Places, Digits, Partner, PartnerPlaces);
    }
    return Text;
}

// " Take 2 out of row 4, column 3 and row 4, column 9. Take 2 and 8 out of
// row 4, column 5.": squares that lose the same digits told together.
QString TakeText(const TPyramidStep& Step)
{
    QString Text;
    std::vector<bool> Told(Step.Strikes.size(), false);
    for (size_t First = 0; First < Step.Strikes.size(); ++First) {
        if (Told[First])
            continue;
        QStringList Squares;
        for (size_t Next = First; Next < Step.Strikes.size(); ++Next) {
            if (Told[Next] || Step.Strikes[Next].Digits != Step.Strikes[First].Digits)
                continue;
            Told[Next] = true;
            Squares << PlaceText(Step.Strikes[Next].Square);
        }
        Text += QLatin1Char(' ');
        //: %1 digits, %2 places: the candidates to strike out.
        Text += TStepWords::tr("Take %1 out of %2.")
                    .arg(DigitsText(Step.Strikes[First].Digits), Joined(Squares, TJoin::Places));
    }
    return Text;
}

QString ExplainValue(const TPyramidStep& Step)
{
    const QString Method = TStepWords::MethodName(Step.Method);
    const QString Digit = QString::number(Step.Digit);
    if (Step.HouseKind == TStepHouse::None) {
        if (Step.Linked.Valid())
            //: %1 a square, %2 a puzzle, %3 the partner's place, %4 the digit, %5 the method.
            return TStepWords::tr("%1 and its partner in %2 (%3) together leave only %4 (%5).")
                .arg(Subject(Step.Square), PuzzleName(Step.Partner.Puzzle), PlaceText(Step.Partner), Digit, Method);
        //: %1 a square, %2 the digit, %3 the method.
        return TStepWords::tr("%1 must be %2: it is the only digit that square can hold (%3).")
            .arg(Subject(Step.Square), Digit, Method);
    }
    //: %1 a square, %2 the digit, %3 a row, column or box, %4 the method.
    return TStepWords::tr("%1 must be %2: it is the only square of %3 that can hold %2 (%4).")
               .arg(Subject(Step.Square), Digit, HouseText(Step.HouseKind, Step.HouseIndex), Method) +
           RuledOutText(Step);
}

QString ExplainStrike(const TPyramidStep& Step)
{
    const QString House = HouseText(Step.HouseKind, Step.HouseIndex);
    const QString Method = TStepWords::MethodName(Step.Method);
    const QString Puzzle = PuzzleName(Step.Square.Puzzle);
    QString Pair[2] = {PlaceText(Step.Pair[0]), PlaceText(Step.Pair[1])};
    if (Step.Method == smLockedPairs) {
        for (const TStepLink& Link : Step.Links) {
            const int Which = Link.Square == Step.Pair[0] ? 0 : 1;
            //: %1 a square's place, %2 a puzzle, %3 the partner's place.
            Pair[Which] = TStepWords::tr("%1 (with its partner in %2, %3)")
                              .arg(Pair[Which], PuzzleName(Link.Partner.Puzzle), PlaceText(Link.Partner));
        }
        //: %1 a puzzle, %2 and %3 the pair's squares, %4 its digits ("5 and 8"), %5 a house, %6 the digits
        //: as alternatives ("5 or 8"), %7 the method.
        return TStepWords::tr("In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).")
                   .arg(Puzzle, Pair[0], Pair[1], DigitsText(Step.PairDigits), House,
                        DigitsText(Step.PairDigits, TJoin::Or), Method) +
               TakeText(Step);
    }
    //: %1 a puzzle, %2 the pair's digits, %3 and %4 its squares, %5 a house, %6 the method.
    return TStepWords::tr("In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).")
               .arg(Puzzle, DigitsText(Step.PairDigits), Pair[0], Pair[1], House, Method) +
           RuledOutText(Step) + TakeText(Step);
}

// "a Locked Pairs step", with the puzzles whose partners it rests on.
QString MethodStep(const TPyramidStep& Step)
{
    const QString Method = TStepWords::MethodName(Step.Method);
    if (Step.Links.empty())
        //: %1 a method's name.
        return TStepWords::tr("a %1 step").arg(Method);
    QList<int> Puzzles;
    for (const TStepLink& Link : Step.Links)
        if (!Puzzles.contains(Link.Partner.Puzzle))
            Puzzles << Link.Partner.Puzzle;
    QStringList Names;
    for (int Puzzle : Puzzles)
        Names << PuzzleName(Puzzle);
    return Step.Links.size() == 1
               //: %1 a method's name, %2 a puzzle.
               ? TStepWords::tr("a %1 step with the help of its partner in %2")
                     .arg(Method, Joined(Names, TJoin::Places))
               //: %1 a method's name, %2 puzzles.
               : TStepWords::tr("a %1 step with the help of its partners in %2")
                     .arg(Method, Joined(Names, TJoin::Places));
}

// The house a stage names: the proving house, or a single's box.
TStepHouse StageHouse(const TPyramidStep& Step, int& Index)
{
    if (Step.HouseKind != TStepHouse::None) {
        Index = Step.HouseIndex;
        return Step.HouseKind;
    }
    Index = TPosition{Step.Square.Row, Step.Square.Col}.Box();
    return TStepHouse::Box;
}

}  // namespace

QString TStepWords::MethodName(int Method)
{
    if (Method < 0 || Method >= TSettingsValues::MethodCount)
        return {};
    return QCoreApplication::translate("TSettingsValues", TSettingsValues::MethodNames[Method]);
}

QString TStepWords::Explain(const TPyramidStep& Step)
{
    switch (Step.Kind) {
    case TStepKind::Nothing: return tr("The solving methods find no further step from these entries.");
    case TStepKind::Complete: return tr("Every square is filled in: there is no step left.");
    case TStepKind::WrongEntry:
        if (!Step.Square.Valid())
            return tr("One of the entries is wrong, so no step can follow from them until it is taken back.");
        //: %1 a square, %2 the digit it holds.
        return tr("%1 holds %2, which is not its solution: take it back before the next step.")
            .arg(Subject(Step.Square))
            .arg(Step.Digit);
    case TStepKind::Value: return ExplainValue(Step);
    case TStepKind::Strike: return ExplainStrike(Step);
    }
    return {};
}

QString TStepWords::Stage(const TPyramidStep& Step, TStepStage Stage)
{
    if (!StepHasStages(Step) || Stage == TStepStage::Whole)
        return Explain(Step);
    const int Puzzle = Step.Kind == TStepKind::Strike ? Step.Pair[0].Puzzle : Step.Square.Puzzle;
    const QString Method = MethodStep(Step);
    switch (Stage) {
    case TStepStage::Place:
        //: %1 a puzzle, %2 the kind of step ("a Scanning step").
        return tr("Look at %1: %2.").arg(PuzzleName(Puzzle), Method);
    case TStepStage::House: {
        int Index = -1;
        const TStepHouse Kind = StageHouse(Step, Index);
        //: %1 a row, column or box, %2 a puzzle, %3 the kind of step.
        return tr("Look at %1 of %2: %3.").arg(HouseText(Kind, Index), PuzzleName(Puzzle), Method);
    }
    case TStepStage::Square:
        if (Step.Kind == TStepKind::Strike)
            //: %1 a square, %2 a second square's place in the same puzzle, %3 the kind of step.
            return tr("%1 and %2: %3.").arg(Subject(Step.Pair[0]), PlaceText(Step.Pair[1]), Method);
        //: %1 a square, %2 the kind of step.
        return tr("%1: %2.").arg(Subject(Step.Square), Method);
    case TStepStage::Whole: break;
    }
    return Explain(Step);
}

QString TStepWords::MistakeSquare(const TStepSquare& Square)
{
    if (Square.Puzzle == 0)
        //: %1 a place ("row 3, column 5"), inside a sentence.
        return tr("the parent's %1").arg(PlaceText(Square));
    //: %1 the child's number, %2 a place ("row 2, column 7"), inside a sentence.
    return tr("child %1's %2").arg(Square.Puzzle).arg(PlaceText(Square));
}
