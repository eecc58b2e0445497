// The plan of an act on a cell: where a click, a typed digit and a pop-up
// item differ.
#include "EntryRules.h"

#include <gtest/gtest.h>

namespace {

TEntryFacts Facts(TEntrySource Source, TSheet Sheet, int Digit)
{
    TEntryFacts F;
    F.Source = Source;
    F.Sheet = Sheet;
    F.Digit = Digit;
    return F;
}

}  // namespace

TEST(EntryRules, OnlyAClickChoosesTheChildFirstAndOnlyAKeyChoosesItAfter)
{
    for (TEntrySource Source : {TEntrySource::Click, TEntrySource::Key, TEntrySource::Popup}) {
        TEntryFacts F = Facts(Source, TSheet::Enter, 5);
        F.ParentChoosesChild = true;
        const TEntryPlan Plan = PlanEntry(F);
        EXPECT_EQ(Plan.ChildFirst, Source == TEntrySource::Click) << static_cast<int>(Source);
        EXPECT_EQ(Plan.ChildAfter, Source == TEntrySource::Key) << static_cast<int>(Source);
        EXPECT_EQ(Plan.SetsUndoPuzzle, Source != TEntrySource::Popup) << static_cast<int>(Source);
    }
    // A click on a given still brings up the child and names the puzzle.
    TEntryFacts Given = Facts(TEntrySource::Click, TSheet::Enter, 0);
    Given.ParentChoosesChild = true;
    Given.Revealed = true;
    const TEntryPlan Plan = PlanEntry(Given);
    EXPECT_TRUE(Plan.ChildFirst);
    EXPECT_TRUE(Plan.SetsUndoPuzzle);
    EXPECT_TRUE(Plan.Refused);
    EXPECT_FALSE(Plan.Unsaved);
}

TEST(EntryRules, OnlyTheClickFillsASingleCandidateAndAnyClickOnAFreeSquareCounts)
{
    for (TSheet Sheet : {TSheet::Enter, TSheet::Pencil, TSheet::Erase, TSheet::HiLite}) {
        TEntryFacts Click = Facts(TEntrySource::Click, Sheet, 0);
        Click.SingleFill = true;
        const TEntryPlan Plan = PlanEntry(Click);
        EXPECT_TRUE(Plan.TryFillSingle) << static_cast<int>(Sheet);
        EXPECT_TRUE(Plan.Unsaved) << static_cast<int>(Sheet);
    }
    TEntryFacts Key = Facts(TEntrySource::Key, TSheet::Enter, 4);
    Key.SingleFill = true;
    EXPECT_FALSE(PlanEntry(Key).TryFillSingle);
    TEntryFacts Click = Facts(TEntrySource::Click, TSheet::Enter, 0);
    EXPECT_FALSE(PlanEntry(Click).TryFillSingle);
    // The Hi Lite sheet's click changes nothing on the square.
    EXPECT_EQ(PlanEntry(Facts(TEntrySource::Click, TSheet::HiLite, 3)).Kind, TEntryKind::Nothing);
}

TEST(EntryRules, EachSourceTakesItsDigitsFromItsOwnPlace)
{
    const TEntryPlan ClickPencil = PlanEntry(Facts(TEntrySource::Click, TSheet::Pencil, 0));
    EXPECT_EQ(ClickPencil.Kind, TEntryKind::Pencil);
    EXPECT_TRUE(ClickPencil.StripDigits);
    const TEntryPlan KeyErase = PlanEntry(Facts(TEntrySource::Key, TSheet::Erase, 6));
    EXPECT_EQ(KeyErase.Kind, TEntryKind::Erase);
    EXPECT_FALSE(KeyErase.StripDigits);
    EXPECT_TRUE(KeyErase.Unsaved);
    // A typed digit on the Hi Lite sheet highlights, and is no entry.
    const TEntryPlan KeyHiLite = PlanEntry(Facts(TEntrySource::Key, TSheet::HiLite, 6));
    EXPECT_EQ(KeyHiLite.Kind, TEntryKind::HiLite);
    EXPECT_FALSE(KeyHiLite.Unsaved);
    // Delete clears the square whatever sheet shows, and keeps the Enter digit.
    TEntryFacts Delete = Facts(TEntrySource::Key, TSheet::Pencil, 0);
    Delete.Value = 7;
    const TEntryPlan Cleared = PlanEntry(Delete);
    EXPECT_EQ(Cleared.Kind, TEntryKind::SetValue);
    EXPECT_FALSE(Cleared.TakesDigit);
    EXPECT_TRUE(Cleared.Refresh);
    EXPECT_TRUE(PlanEntry(Facts(TEntrySource::Key, TSheet::Enter, 7)).TakesDigit);
}

TEST(EntryRules, AValueAlreadyThereOrAGivenIsRefusedBeforeAnythingCounts)
{
    TEntryFacts Key = Facts(TEntrySource::Key, TSheet::Enter, 5);
    Key.Value = 5;
    EXPECT_TRUE(PlanEntry(Key).Refused);
    EXPECT_FALSE(PlanEntry(Key).Unsaved);
    Key.Value = 0;
    Key.Revealed = true;
    EXPECT_TRUE(PlanEntry(Key).Refused);
    // A key pencils even on a given; the cell itself keeps its marks.
    TEntryFacts KeyPencil = Facts(TEntrySource::Key, TSheet::Pencil, 5);
    KeyPencil.Revealed = true;
    EXPECT_FALSE(PlanEntry(KeyPencil).Refused);

    TEntryFacts Popup = Facts(TEntrySource::Popup, TSheet::Enter, 3);
    Popup.Value = 3;
    EXPECT_TRUE(PlanEntry(Popup).Refused);
    Popup.Value = 0;
    const TEntryPlan Entered = PlanEntry(Popup);
    EXPECT_FALSE(Entered.Refused);
    EXPECT_TRUE(Entered.Unsaved);
    EXPECT_TRUE(Entered.Refresh);
    TEntryFacts PopupPencil = Facts(TEntrySource::Popup, TSheet::Pencil, 3);
    PopupPencil.Revealed = true;
    EXPECT_TRUE(PlanEntry(PopupPencil).Refused);
    // The quick items name no digit while none is highlighted.
    EXPECT_TRUE(PlanEntry(Facts(TEntrySource::Popup, TSheet::Erase, 0)).Refused);
    EXPECT_FALSE(PlanEntry(Facts(TEntrySource::Popup, TSheet::Erase, 2)).Refresh);
}
