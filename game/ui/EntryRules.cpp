#include "EntryRules.h"

namespace {

TEntryKind KindOf(TSheet Sheet)
{
    switch (Sheet) {
    case TSheet::Enter: return TEntryKind::SetValue;
    case TSheet::Pencil: return TEntryKind::Pencil;
    case TSheet::Erase: return TEntryKind::Erase;
    case TSheet::HiLite: return TEntryKind::HiLite;
    }
    return TEntryKind::Nothing;
}

TEntryPlan PlanClick(const TEntryFacts& Facts)
{
    TEntryPlan Plan;
    Plan.SetsUndoPuzzle = true;
    Plan.ChildFirst = Facts.ParentChoosesChild;
    if (Facts.Revealed) {
        Plan.Refused = true;
        return Plan;
    }
    // Any click on a square the player may fill counts as an entry, even
    // one the sheet makes nothing of.
    Plan.Unsaved = true;
    Plan.TryFillSingle = Facts.SingleFill;
    switch (Facts.Sheet) {
    case TSheet::Enter:
        Plan.Kind = TEntryKind::SetValue;
        Plan.Refresh = true;
        break;
    case TSheet::Pencil:
    case TSheet::Erase:
        Plan.Kind = KindOf(Facts.Sheet);
        Plan.StripDigits = true;
        break;
    case TSheet::HiLite: break;
    }
    return Plan;
}

TEntryPlan PlanKey(const TEntryFacts& Facts)
{
    TEntryPlan Plan;
    Plan.SetsUndoPuzzle = true;
    // Delete and 0 clear the square whatever sheet shows.
    const TSheet Sheet = Facts.Digit == 0 ? TSheet::Enter : Facts.Sheet;
    Plan.Kind = KindOf(Sheet);
    switch (Sheet) {
    case TSheet::Enter:
        if (Facts.Revealed || Facts.Value == Facts.Digit) {
            Plan.Refused = true;
            Plan.Kind = TEntryKind::Nothing;
            return Plan;
        }
        // Exactly the digit typed: the click's "only candidate" rule is the
        // mouse's.
        Plan.Unsaved = true;
        Plan.TakesDigit = Facts.Digit != 0;
        Plan.ChildAfter = Facts.ParentChoosesChild;
        Plan.Refresh = true;
        break;
    case TSheet::Pencil:
    case TSheet::Erase: Plan.Unsaved = true; break;
    case TSheet::HiLite: break;
    }
    return Plan;
}

TEntryPlan PlanPopup(const TEntryFacts& Facts)
{
    TEntryPlan Plan;
    // A given keeps its value and has no marks to edit.
    if (Facts.Revealed || (Facts.Sheet == TSheet::Enter && Facts.Value == Facts.Digit) ||
        (Facts.Sheet != TSheet::Enter && (Facts.Digit < 1 || Facts.Digit > 9)) || Facts.Sheet == TSheet::HiLite) {
        Plan.Refused = true;
        return Plan;
    }
    Plan.Unsaved = true;
    Plan.Kind = KindOf(Facts.Sheet);
    Plan.Refresh = Facts.Sheet == TSheet::Enter;
    return Plan;
}

}  // namespace

TEntryPlan PlanEntry(const TEntryFacts& Facts)
{
    switch (Facts.Source) {
    case TEntrySource::Click: return PlanClick(Facts);
    case TEntrySource::Key: return PlanKey(Facts);
    case TEntrySource::Popup: return PlanPopup(Facts);
    }
    return {};
}
