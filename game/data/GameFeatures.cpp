#include "GameFeatures.h"

#include "PuzzleInfo.h"

TGameFeatures FeaturesOf(const TPuzzleInfo& Record)
{
    const uint8_t PlayMode = Record.GetPlayMode();
    const uint8_t Aids = static_cast<uint8_t>(Record.GetAidFlags() & 0xFFu);
    const uint8_t Pencil = Record.GetPencilFlags();
    const auto Bit = [](uint8_t Flags, int Number) { return ((Flags >> Number) & 1u) != 0; };
    TGameFeatures Features;
    Features.Printing = PlayMode != 1;
    Features.PlayControls = PlayMode != 0;
    Features.InvalidHighlighting = Bit(Aids, 0);
    Features.IncorrectHighlighting = Bit(Aids, 1);
    Features.DigitHighlighting = Bit(Aids, 2);
    Features.SolveParent = Bit(Aids, 4);
    Features.SolveChildren = Bit(Aids, 5);
    Features.SolvePyramid = Bit(Aids, 6);
    Features.ProtectSolution = Bit(Pencil, 0);
    Features.AutoPencilSeparate = Bit(Pencil, 1);
    Features.AutoPencilLinked = Bit(Pencil, 2);
    return Features;
}
