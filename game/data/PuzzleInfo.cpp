#include "PuzzleInfo.h"

#include "DataFields.h"

#include "Exception.h"
#include "Random.h"
#include "Stream.h"

namespace {

void CheckField(int Offset, int Size)
{
    if (Offset < 0 || Offset + Size > TPuzzleInfo::RecordSize)
        throw Exception("Game record field out of range");
}

}  // namespace

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
    return DataFields::GetUInt32(FBytes.data() + Offset);
}

void TPuzzleInfo::SetUInt32(int Offset, uint32_t Value)
{
    CheckField(Offset, 4);
    DataFields::PutUInt32(FBytes.data() + Offset, Value);
}

std::string TPuzzleInfo::GetText(int Offset) const
{
    CheckField(Offset, TextSize);
    return DataFields::GetText(FBytes.data() + Offset, TextSize);
}

void TPuzzleInfo::SetText(int Offset, const std::string& Value)
{
    CheckField(Offset, TextSize);
    DataFields::PutText(FBytes.data() + Offset, TextSize, Value);
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
    return DataFields::TrimBlanks(Text);
}
