#include "PuzzleXLink.h"

#include "Exception.h"
#include "Format.h"
#include "Puzzle.h"
#include "PyramidLinks.h"
#include "Stream.h"

#include <array>
#include <cstring>

namespace {

// Beyond any honest run: every pass that goes on follows at least one value
// entered or candidate struck in some puzzle, and ten puzzles hold fewer than
// 10 x 81 x 10 such changes. Only a faulty solving step could reach it.
constexpr int MaxSolvePasses = 10000;

std::string PuzzleName(int Index)
{
    return Index == 0 ? std::string("parent") : Format("child %d", Index);
}

}  // namespace

TPuzzleXLink::TPuzzleXLink(uint8_t LayoutType, TQVDisplayLink* ParentLink, int SaveNumberA, int SaveNumberB)
    : FSaveNumberA(SaveNumberA), FSaveNumberB(SaveNumberB), FChildCount(PyramidChildCount(LayoutType)),
      FParentLink(ParentLink), FParent(nullptr)
{
    FInfo.SetLayoutType(LayoutType);
    if (FParentLink) {
        FParent = dynamic_cast<TPuzzle*>(FParentLink->Puzzle());
        if (!FParent)
            throw Exception("The parent display link carries no puzzle");
        // A caller's puzzle may still point at the children of an earlier
        // pyramid; those links must not survive into this one.
        for (int Index = 0; Index < 81; ++Index)
            FParent->CellByIndex(Index)->SetChildLinkOfCell(nullptr);
    } else {
        FOwnParentLink = std::make_unique<TQVDisplayPark>(3, 3);
        FOwnParent = std::make_unique<TPuzzle>();
        FOwnParentLink->SetPuzzle(FOwnParent.get());
        FOwnParent->SetDisplayLink(FOwnParentLink.get());
        FParentLink = FOwnParentLink.get();
        FParent = FOwnParent.get();
    }
    for (int Child = 0; Child < FChildCount; ++Child) {
        FChildLinks.push_back(std::make_unique<TQVDisplayPark>(3, 3));
        FChildren.push_back(std::make_unique<TPuzzle>());
        FChildLinks.back()->SetPuzzle(FChildren.back().get());
        FChildren.back()->SetDisplayLink(FChildLinks.back().get());
    }
    BuildLinks();
}

TPuzzleXLink::TPuzzleXLink(const TPuzzleInfo& Header, TQVDisplayLink* ParentLink, int SaveNumberA, int SaveNumberB)
    : TPuzzleXLink(Header.GetLayoutType(), ParentLink, SaveNumberA, SaveNumberB)
{
    struct TSpan {
        int Offset;
        int Length;
    };
    static constexpr TSpan Copied[] = {
        {TPuzzleInfo::ofsRecordFormat, 4},
        {TPuzzleInfo::ofsGameNumber, 4},
        {TPuzzleInfo::ofsRebuildFlag, 4},
        {TPuzzleInfo::ofsByte16, 1},
        {TPuzzleInfo::ofsGameName, TPuzzleInfo::TextSize},
        {TPuzzleInfo::ofsGameDescription, TPuzzleInfo::TextSize},
        {TPuzzleInfo::ofsIssueNumber, 4},
        {TPuzzleInfo::ofsStreamKind, 9},  // stream kind to the further feature bits
    };
    for (const TSpan& Span : Copied)
        std::memcpy(FInfo.Data() + Span.Offset, Header.Data() + Span.Offset, Span.Length);
}

std::unique_ptr<TPuzzleXLink> TPuzzleXLink::CreateFromHeader(const TPuzzleInfo& Header, TQVDisplayLink* ParentLink,
                                                             int SaveNumberA, int SaveNumberB)
{
    return std::make_unique<TPuzzleXLink>(Header, ParentLink, SaveNumberA, SaveNumberB);
}

TPuzzleXLink::~TPuzzleXLink()
{
    // Children first, each puzzle before its link; then our own parent.
    for (int Child = 0; Child < FChildCount; ++Child) {
        FChildren[Child].reset();
        FChildLinks[Child].reset();
    }
    if (FOwnParent) {
        FOwnParent.reset();
        FOwnParentLink.reset();
    } else {
        for (int Index = 0; Index < 81; ++Index)
            FParent->CellByIndex(Index)->SetChildLinkOfCell(nullptr);
    }
}

void TPuzzleXLink::BuildLinks()
{
    for (const TPyramidLink& Link : PyramidLinks(LayoutType())) {
        TPuzzle& Child = *FChildren[Link.Child - 1];
        const TPosition ParentPos{Link.ParentRow, Link.ParentCol};
        const TPosition ChildPos{Link.ChildRow, Link.ChildCol};
        FParent->SetChildLink(ParentPos, Child.CellAt(ChildPos));
        Child.SetParentLink(ChildPos, FParent->CellAt(ParentPos));
    }
}

void TPuzzleXLink::LoadFromStream(TStream& Stream)
{
    const int RecordCount = 1 + FChildCount;
    std::vector<std::array<uint8_t, StreamRecordSize>> Records(RecordCount);
    for (int Index = 0; Index < RecordCount; ++Index) {
        // Read may deliver a record in pieces; only a read of nothing ends it.
        const int64_t Got = Stream.ReadUpTo(Records[Index].data(), StreamRecordSize);
        if (Got < StreamRecordSize)
            throw Exception(TR_TEXT("PuzzleXLink", "Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes"),
                            Index + 1, RecordCount, PuzzleName(Index), static_cast<int>(Got), StreamRecordSize);
        const TPuzzle& Puzzle = *GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            // A linked child cell takes its parent partner's digit instead of
            // its own, so its own is never used and need not be valid.
            if (Puzzle.CellByIndex(Cell)->ParentLinkOfCell() != nullptr)
                continue;
            const int Digit = Records[Index][StreamDigitsOffset + Cell];
            if (Digit < 1 || Digit > 9)
                throw Exception(
                    TR_TEXT("PuzzleXLink", "Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9"),
                    Index + 1, PuzzleName(Index), Digit, Cell);
        }
    }
    // The parent first: each child then hands its given flags to the linked
    // parent cells, so the children's records decide those.
    for (int Index = 0; Index < RecordCount; ++Index) {
        const uint8_t* Record = Records[Index].data();
        GetPuzzle(Index)->LoadPuzzle(std::span<const uint8_t, 81>(Record + StreamDigitsOffset, 81),
                                     std::span<const uint8_t, 81>(Record + StreamGivensOffset, 81));
    }
    // The children's givens reached the parent over the links while it was
    // not updating, so the parent recorded them as undoable entries; undoing
    // one would empty a given cell. A freshly loaded game has no history.
    for (int Index = 0; Index < RecordCount; ++Index)
        GetPuzzle(Index)->ClearHistory();
}

void TPuzzleXLink::SetPencilMode(uint8_t Mode)
{
    for (int Index = 0; Index <= FChildCount; ++Index)
        GetPuzzle(Index)->SetMarkStyle(Mode, false);
}

TQVDisplayLink* TPuzzleXLink::GetLink(int Index) const
{
    if (Index == 0)
        return FParentLink;
    if (Index < 1 || Index > FChildCount)
        return nullptr;
    return FChildLinks[Index - 1].get();
}

TPuzzle* TPuzzleXLink::GetPuzzle(int Index) const
{
    if (Index == 0)
        return FParent;
    if (Index < 1 || Index > FChildCount)
        return nullptr;
    return FChildren[Index - 1].get();
}

int TPuzzleXLink::ChildForSquare(int Box, int Square) const
{
    if (Box < 0 || Box > 8 || Square < 0 || Square > 8)
        return 1;
    const TCell* Partner = FParent->BoxCell(Box, Square)->ChildLinkOfCell();
    if (!Partner)
        return 1;
    for (int Child = 1; Child <= FChildCount; ++Child)
        if (Partner->GetPuzzle() == FChildren[Child - 1].get())
            return Child;
    return 1;
}

int TPuzzleXLink::SolvePyramid(TMethodSet Methods)
{
    for (int Index = 0; Index <= FChildCount; ++Index)
        GetPuzzle(Index)->SetChanged(true);
    int Passes = 0;
    while (FParent->Changed() && Passes < MaxSolvePasses) {
        ++Passes;
        for (int Index = 0; Index <= FChildCount; ++Index) {
            TPuzzle* Puzzle = GetPuzzle(Index);
            if (Puzzle->Changed())
                Puzzle->Solve(Methods);
            Puzzle->SetChanged(false);
        }
    }
    return Passes;
}

std::string TPuzzleXLink::GetValuesLine(int Index) const
{
    const TPuzzle* Puzzle = GetPuzzle(Index);
    if (!Puzzle)
        return {};
    const std::string Head = Index == 0 ? std::string("0,0,1,")
                                        : Format("%d,%d,%d,", FSaveNumberA, FSaveNumberB, Index);
    return Head + Puzzle->EntriesToString();
}

std::string TPuzzleXLink::GetMarksLine(int Index) const
{
    const TPuzzle* Puzzle = GetPuzzle(Index);
    return Puzzle ? Puzzle->UserMarksToString() : std::string();
}

std::string TPuzzleXLink::GetErasuresLine(int Index) const
{
    const TPuzzle* Puzzle = GetPuzzle(Index);
    return Puzzle ? Puzzle->ErasuresToString() : std::string();
}
