#include "PuzzleInfo.h"

#include "Exception.h"
#include "Random.h"
#include "Stream.h"

#include <cstring>

namespace {

void CheckField(int Offset, int Size)
{
    if (Offset < 0 || Offset + Size > TPuzzleInfo::RecordSize)
        throw Exception("Game record field out of range");
}

} // namespace

TPuzzleInfo::TPuzzleInfo()
{
    SetRecordFormat(1);
    SetRebuildFlag(1);
    SetByte16(0);
    SetPlayMode(1);
    SetAidFlags(255);
    SetPencilFlags(7);
    SetFeatureBits(31);
    for (int i = 0; i < Filler1Size; ++i)
        FBytes[ofsFiller1 + i] = RandomByte();
    for (int i = 0; i < Filler2Size; ++i)
        FBytes[ofsFiller2 + i] = RandomByte();
}

uint16_t TPuzzleInfo::GetAidFlags() const
{
    return static_cast<uint16_t>(FBytes[ofsAidFlags] | (FBytes[ofsAidFlags + 1] << 8));
}

void TPuzzleInfo::SetAidFlags(uint16_t Value)
{
    FBytes[ofsAidFlags] = static_cast<uint8_t>(Value);
    FBytes[ofsAidFlags + 1] = static_cast<uint8_t>(Value >> 8);
}

uint32_t TPuzzleInfo::GetUInt32(int Offset) const
{
    CheckField(Offset, 4);
    return static_cast<uint32_t>(FBytes[Offset]) | (static_cast<uint32_t>(FBytes[Offset + 1]) << 8) |
           (static_cast<uint32_t>(FBytes[Offset + 2]) << 16) | (static_cast<uint32_t>(FBytes[Offset + 3]) << 24);
}

void TPuzzleInfo::SetUInt32(int Offset, uint32_t Value)
{
    CheckField(Offset, 4);
    for (int i = 0; i < 4; ++i)
        FBytes[Offset + i] = static_cast<uint8_t>(Value >> (8 * i));
}

std::string TPuzzleInfo::GetText(int Offset) const
{
    CheckField(Offset, TextSize);
    const char* Start = reinterpret_cast<const char*>(FBytes.data() + Offset);
    size_t Length = 0;
    while (Length < TextSize && Start[Length] != '\0')
        ++Length;
    return std::string(Start, Length);
}

void TPuzzleInfo::SetText(int Offset, const std::string& Value)
{
    CheckField(Offset, TextSize);
    size_t Length = Value.size() < TextSize ? Value.size() : TextSize;
    std::memset(FBytes.data() + Offset, 0, TextSize);
    std::memcpy(FBytes.data() + Offset, Value.data(), Length);
}

void TPuzzleInfo::LoadFromStream(TStream& Stream)
{
    TBytes Buffer;
    Stream.ReadBuffer(Buffer.data(), RecordSize);
    FBytes = Buffer;
}

void TPuzzleInfo::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FBytes.data(), RecordSize);
}

std::string TPuzzleInfo::Trimmed(const std::string& Text)
{
    // Blanks are the space and the control characters, as the text fields of
    // our files may carry either.
    size_t First = 0;
    size_t Last = Text.size();
    while (First < Last && static_cast<unsigned char>(Text[First]) <= ' ')
        ++First;
    while (Last > First && static_cast<unsigned char>(Text[Last - 1]) <= ' ')
        --Last;
    return Text.substr(First, Last - First);
}
